#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "mouse/shared_records.h"

// The keyboard's device data as the program holds it.
namespace keyboard {

inline constexpr size_t kDeviceInfoSize = 33;
inline constexpr size_t kInfoKeyCount = 5;
// Three bytes per key must fit one 512-byte page: 170 keys, not 171.
inline constexpr size_t kMaxKeyCount = mouse::kKeyMapPageSize / mouse::kFunctionSize;

// KeyboardParamBlock: bytes 0 … 20 of record 0; lighting bytes as mouse/shared_records.h,
// bytes 10 … 20 carried unchanged.
inline constexpr size_t kParamBlockSize = 21;

// The 126 key buttons of the keyboard picture.
inline constexpr size_t kKeySlotCount = 126;

// KeyboardLightExtras: custom set index, custom colour, then five custom colour sets of one
// RGB triple per key slot (slot k of set s at kExtrasSets + 3 × (126 × s + k)).
inline constexpr size_t kExtrasSetIndex = 0;
inline constexpr size_t kExtrasColour = 1;  // red, green, blue
inline constexpr size_t kExtrasSets = 4;
inline constexpr size_t kCustomSetCount = 5;
inline constexpr size_t kCustomSetSize = kKeySlotCount * 3;
inline constexpr size_t kExtrasSize = kExtrasSets + kCustomSetCount * kCustomSetSize;

// GridMap value of a key slot that no device key belongs to.
inline constexpr int32_t kNoDeviceKey = static_cast<int32_t>(kKeySlotCount);

// Which keyboard model is connected: A full colour, B single colour. Selects effect lists and
// default files.
enum class EffectSet : int32_t { kA = 0, kB = 1 };

using KeyboardDeviceInfo = std::array<uint8_t, kDeviceInfoSize>;
using KeyboardDefaultKeys = mouse::KeyMapPage;
using KeyboardParamRecords = mouse::ParamRecords;
using KeyboardParamBlock = mouse::ParamBlock<kParamBlockSize>;
using KeyboardLightExtras = std::array<uint8_t, kExtrasSize>;
// For each key slot, the device key whose factory function is the slot's layout code.
using GridMap = std::array<int32_t, kKeySlotCount>;

constexpr GridMap EmptyGridMap() {
    GridMap map{};
    map.fill(kNoDeviceKey);
    return map;
}

// All zero at start (the grid map empty, model A); only the first 3n bytes of the tables and
// page 0 are used, n being the key count in the information block.
struct KeyboardData {
    KeyboardDeviceInfo info{};
    KeyboardDefaultKeys defaultKeys{};
    mouse::KeyMapPages keyPages{};
    KeyboardParamRecords records{};
    KeyboardParamBlock block;
    KeyboardLightExtras extras{};
    GridMap gridMap = EmptyGridMap();
    std::atomic<EffectSet> effectSet{EffectSet::kA};
    std::atomic<bool> paramsDirty{false};
};

}  // namespace keyboard
