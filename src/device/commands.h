#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/device_link.h"

namespace device {

inline constexpr size_t kDeviceInfoSize = 33;
// Key tables sit back to back in the device: table `index` starts at index × kKeyTableStride.
inline constexpr uint16_t kKeyTableStride = 126;
inline constexpr unsigned kLastKeyTableIndex = 4;
// The pause before a session is closed, which the firmware needs after the last transfer.
inline constexpr uint32_t kEndSessionPauseMs = 10;

// The device commands. Each returns a code of result_codes.h. Arguments the request cannot
// carry (more than 56 parameter bytes, a buffer shorter than the link's transfer length) are
// refused with kResultWriteFailed before anything is sent.
int BeginSession(DeviceLink& link);
int EndSession(DeviceLink& link);
int ReadDeviceInfo(DeviceLink& link, std::span<uint8_t, kDeviceInfoSize> info);
// Parameter area: 1 to 56 bytes (the span's size) at a byte offset.
int ReadParams(DeviceLink& link, uint16_t offset, std::span<uint8_t> out);
int WriteParams(DeviceLink& link, uint16_t offset, std::span<const uint8_t> data);
// Chunked transfers of `link.length` bytes; the buffer must hold at least that many.
int ReadDefaultTable(DeviceLink& link, std::span<uint8_t> out);
int ReadKeyTable(DeviceLink& link, std::span<uint8_t> out, unsigned index);
int WriteKeyTable(DeviceLink& link, std::span<const uint8_t> data, unsigned index);
// Writes the whole of `data` to the macro area from offset 0.
int WriteMacroArea(DeviceLink& link, std::span<const uint8_t> data);

}  // namespace device
