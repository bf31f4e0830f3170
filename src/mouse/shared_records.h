#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Records that the mouse, keyboard and mousepad share: parameter records of 64 bytes, key map
// pages of 512 bytes, and parameter blocks whose lighting bytes have one layout on all three.
namespace mouse {

inline constexpr size_t kParamRecordSize = 64;
inline constexpr size_t kParamRecordCount = 5;  // one per on-device profile slot
inline constexpr uint8_t kLastSlot = kParamRecordCount - 1;
inline constexpr size_t kKeyMapPageSize = 512;
inline constexpr size_t kKeyMapPageCount = 5;
inline constexpr size_t kFunctionSize = 3;  // kind, first parameter, second parameter
// A parameter write-out always moves one report's worth of data: the block, then zeros.
inline constexpr size_t kParamTransferSize = 56;

// Offsets in every parameter record and block.
inline constexpr size_t kActiveSlot = 0;
inline constexpr size_t kEffect = 1;
inline constexpr size_t kBrightness = 2;  // 0 … 4
inline constexpr size_t kSpeed = 3;       // 0 … 4, 0 fastest
inline constexpr size_t kDirection = 4;
inline constexpr size_t kColourCycle = 5;
inline constexpr size_t kRed = 6;
inline constexpr size_t kGreen = 7;
inline constexpr size_t kBlue = 8;
inline constexpr size_t kPreviewCounter = 9;

using ParamRecord = std::array<uint8_t, kParamRecordSize>;
using ParamRecords = std::array<ParamRecord, kParamRecordCount>;
using KeyMapPage = std::array<uint8_t, kKeyMapPageSize>;
using KeyMapPages = std::array<KeyMapPage, kKeyMapPageCount>;

// The record index a slot byte names, or nothing for a byte that names no record (a device or
// a file may hold any value there).
inline std::optional<size_t> SlotIndex(uint8_t slot) {
    return slot <= kLastSlot ? std::optional<size_t>(slot) : std::nullopt;
}

// The start of a device's active parameter record. The lighting preview threads read single
// bytes while the UI thread edits them, so every byte is atomic; no ordering is needed between
// bytes because a preview only shows whatever it finds.
template <size_t N>
class ParamBlock {
public:
    static constexpr size_t kSize = N;

    uint8_t Get(size_t offset) const { return bytes_.at(offset).load(std::memory_order_relaxed); }
    void Set(size_t offset, uint8_t value) {
        bytes_.at(offset).store(value, std::memory_order_relaxed);
    }
    // The first N bytes of source (fewer when it is shorter) become the block.
    void Load(std::span<const uint8_t> source) {
        const size_t count = std::min(N, source.size());
        for (size_t i = 0; i < count; ++i) {
            Set(i, source[i]);
        }
    }
    // The block over the first N bytes of target (fewer when it is shorter).
    void Store(std::span<uint8_t> target) const {
        const size_t count = std::min(N, target.size());
        for (size_t i = 0; i < count; ++i) {
            target[i] = Get(i);
        }
    }
    std::array<uint8_t, N> Bytes() const {
        std::array<uint8_t, N> bytes{};
        Store(bytes);
        return bytes;
    }

private:
    std::array<std::atomic<uint8_t>, N> bytes_{};
};

}  // namespace mouse
