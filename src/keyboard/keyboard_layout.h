#pragma once

#include <array>
#include <cstdint>

#include "keyboard/keyboard_data.h"

namespace keyboard {

// The fixed function code of each of the 126 key slots of the keyboard picture (six rows of
// 21): a keyboard key (kind 0x20) with the HID modifier mask and keyboard usage. A usage of 0
// with no modifier marks a slot without a key.
using Function = std::array<uint8_t, mouse::kFunctionSize>;
extern const std::array<Function, kKeySlotCount> kKeyboardLayout;

}  // namespace keyboard
