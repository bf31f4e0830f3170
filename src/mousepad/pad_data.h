#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "mouse/shared_records.h"

// The mousepad's device data: lighting only, five on-device profiles.
namespace mousepad {

inline constexpr size_t kDeviceInfoSize = 33;
// PadParamBlock: bytes 0 … 20 of the active record; byte 0 is the active profile, lighting
// bytes as mouse/shared_records.h, bytes 10 … 20 carried unchanged.
inline constexpr size_t kParamBlockSize = 21;
// Byte 0 of the parameter area holds the active profile's number.
inline constexpr uint16_t kActiveProfileOffset = 0;

using PadDeviceInfo = std::array<uint8_t, kDeviceInfoSize>;
using PadProfileRecords = mouse::ParamRecords;
using PadParamBlock = mouse::ParamBlock<kParamBlockSize>;

struct PadData {
    PadDeviceInfo info{};  // kept, not examined
    PadProfileRecords records{};
    PadParamBlock block;
    std::atomic<bool> paramsDirty{false};
};

}  // namespace mousepad
