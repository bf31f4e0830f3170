#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace devsim {

// Information block (answer of ReadDeviceInfo).
inline constexpr size_t kInfoSize = 33;
inline constexpr size_t kInfoKeyCount = 5;       // keyboard: number of keys
inline constexpr size_t kInfoMacroCapacity = 6;  // mouse: macro area in units of kMacroUnit
inline constexpr size_t kInfoMaxDpiSlider = 12;  // mouse: largest sensitivity slider value
inline constexpr size_t kInfoMinDpi = 13;        // mouse: 2 bytes LE, base of the scale
inline constexpr size_t kMacroUnit = 128;

// Parameter area: five records; byte 0 of the area (and so of record 0) is the active record.
inline constexpr size_t kParamRecordSize = 64;
inline constexpr size_t kParamRecordCount = 5;
inline constexpr size_t kParamAreaSize = kParamRecordSize * kParamRecordCount;
inline constexpr size_t kParamActiveRecord = 0;

// Fields inside one parameter record; the lighting bytes share one layout on all devices.
inline constexpr size_t kParamEffect = 1;
inline constexpr size_t kParamBrightness = 2;
inline constexpr size_t kParamSpeed = 3;
inline constexpr size_t kParamDirection = 4;
inline constexpr size_t kParamColourCycle = 5;
inline constexpr size_t kParamRed = 6;
inline constexpr size_t kParamGreen = 7;
inline constexpr size_t kParamBlue = 8;
inline constexpr size_t kParamReportRate = 14;  // mouse: 0 = 125 Hz … 3 = 1000 Hz
inline constexpr std::array<size_t, 6> kParamDpiLevels = {15, 16, 17, 18, 20, 21};  // mouse
inline constexpr size_t kParamDpiColours = 23;  // mouse: 6 × RGB

// Key tables: table i starts at i × kKeyTableStride; the area leaves room for a full
// 512-byte transfer from the last table.
inline constexpr size_t kKeyTableStride = 126;
inline constexpr size_t kKeyTableCount = 5;
inline constexpr size_t kKeyAreaSize = 1024;
inline constexpr size_t kDefaultTableSize = 512;
inline constexpr size_t kFunctionSize = 3;  // one function code: kind, two parameters

// The firmware's memory: an area that a device lacks is empty, and every access to it fails.
struct DeviceMemory {
    std::array<uint8_t, kInfoSize> info{};
    std::vector<uint8_t> params = std::vector<uint8_t>(kParamAreaSize);
    std::vector<uint8_t> keyTables;
    std::vector<uint8_t> defaultTable;
    std::vector<uint8_t> macroArea;
};

inline size_t ParamRecordOffset(size_t record) {
    return record * kParamRecordSize;
}
inline size_t KeyTableOffset(size_t index) {
    return index * kKeyTableStride;
}

}  // namespace devsim
