#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "mouse/shared_records.h"
#include "platform/shell/system_parameters.h"

// The in-memory mirror of the mouse's memory, edited by the pages and moved to and from the
// device and the profile files.
namespace mouse {

// MouseDeviceInfo: the device information block.
inline constexpr size_t kDeviceInfoSize = 33;
inline constexpr size_t kInfoMacroCapacity = 6;  // units of kMacroUnit bytes
inline constexpr size_t kInfoMaxDpiSlider = 12;  // 0: no limit
inline constexpr size_t kInfoMinDpi = 13;        // 2 bytes LE, unaligned: base of the scale
inline constexpr size_t kMacroUnit = 128;

// MouseParamBlock: bytes 0 … 40 of the active record; records add bytes 41 … 63.
inline constexpr size_t kParamBlockSize = 41;
inline constexpr size_t kReportRate = 14;  // 0 = 125 Hz, 1 = 250, 2 = 500, 3 = 1000 Hz
inline constexpr std::array<size_t, 6> kDpiLevels = {15, 16, 17, 18, 20, 21};
inline constexpr size_t kDpiColours = 23;  // six RGB triples, level 1 first
// Records only, never sent to the device.
inline constexpr size_t kPointerSpeed = 41;  // 1 … 20
inline constexpr size_t kWheelLines = 42;    // 1 … 100, or 255 for one screen

using MouseDeviceInfo = std::array<uint8_t, kDeviceInfoSize>;
// The default function of button i + 1 at 3 × i.
using MouseDefaultKeys = std::array<uint8_t, kKeyMapPageSize>;
using MouseParamRecords = ParamRecords;
using MouseParamBlock = ParamBlock<kParamBlockSize>;

// The whole image; all zero until the first read or profile load. The program works with
// on-device slot 0 only.
struct MouseImage {
    MouseDeviceInfo info{};
    MouseDefaultKeys defaultKeys{};
    // Page p: what reading key table p returned (its first 126 bytes are profile p's table).
    KeyMapPages keyPages{};
    MouseParamRecords records{};
    MouseParamBlock block;
    // Set after any change of the block; cleared by the periodic write-out.
    std::atomic<bool> paramsDirty{false};
    // The pointer speed and wheel scroll lines settings that profiles carry in bytes 41 and 42.
    int pointerSpeed = platform::shell::kDefaultPointerSpeed;
    int wheelLines = platform::shell::kDefaultWheelScrollLines;
};

}  // namespace mouse
