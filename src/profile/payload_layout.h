#pragma once

#include <cstddef>

#include "keyboard/keyboard_data.h"
#include "mouse/shared_records.h"

// Offsets and sizes of the payloads of the binary profile files.
namespace profile::layout {

using mouse::kKeyMapPageSize;
using mouse::kParamRecordSize;

// Mouse device: key map page of slot 0, then record 0. Light: record 0. Key: the page.
inline constexpr size_t kMouseDeviceKeyMap = 0;
inline constexpr size_t kMouseDeviceRecord = kKeyMapPageSize;
inline constexpr size_t kMouseDeviceSize = kMouseDeviceRecord + kParamRecordSize;  // 576
inline constexpr size_t kMouseLightSize = kParamRecordSize;                        // 64
inline constexpr size_t kMouseKeySize = kKeyMapPageSize;                           // 512

// Keyboard device: page, record 0, light extras. Light: record 0, light extras. Key: the page.
inline constexpr size_t kKeyboardDeviceKeyMap = 0;
inline constexpr size_t kKeyboardDeviceRecord = kKeyMapPageSize;
inline constexpr size_t kKeyboardDeviceExtras = kKeyboardDeviceRecord + kParamRecordSize;
inline constexpr size_t kKeyboardDeviceSize =
    kKeyboardDeviceExtras + keyboard::kExtrasSize;  // 2470
inline constexpr size_t kKeyboardLightRecord = 0;
inline constexpr size_t kKeyboardLightExtras = kParamRecordSize;
inline constexpr size_t kKeyboardLightSize = kKeyboardLightExtras + keyboard::kExtrasSize;  // 1958
inline constexpr size_t kKeyboardKeySize = kKeyMapPageSize;                                 // 512

// Mousepad light: record 0.
inline constexpr size_t kPadLightSize = kParamRecordSize;  // 64

static_assert(kMouseDeviceSize == 576 && kKeyboardDeviceSize == 2470 && kKeyboardLightSize == 1958);

}  // namespace profile::layout
