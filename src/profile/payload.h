#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "keyboard/keyboard_data.h"
#include "mouse/mouse_image.h"
#include "mousepad/pad_data.h"
#include "profile/profile_types.h"

// Moving the in-memory device state into and out of profile payloads.
namespace profile {

// Distribute a payload of the type's size into the state.
void DistributeMousePayload(mouse::MouseImage& image, ProfileType type,
                            std::span<const uint8_t> payload);
void DistributeKeyboardPayload(keyboard::KeyboardData& data, ProfileType type,
                               std::span<const uint8_t> payload);
void DistributePadPayload(mousepad::PadData& data, std::span<const uint8_t> payload);

// Refresh record 0 from the block (and, for the mouse, the pointer speed and wheel lines
// settings), then build the payload of the type.
std::vector<uint8_t> BuildMousePayload(mouse::MouseImage& image, ProfileType type);
std::vector<uint8_t> BuildKeyboardPayload(keyboard::KeyboardData& data, ProfileType type);
std::vector<uint8_t> BuildPadPayload(mousepad::PadData& data);

}  // namespace profile
