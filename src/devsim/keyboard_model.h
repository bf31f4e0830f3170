#pragma once

#include <array>
#include <cstdint>

#include "devsim/factory.h"

namespace devsim::keyboard {

inline constexpr uint16_t kVendorId = 0x0C45;
inline constexpr uint16_t kProductId = 0x6556;  // single-colour model
inline constexpr uint16_t kFullColourProductId = 0x0800;
inline constexpr uint16_t kLaterProductId = 0x7200;
inline constexpr std::array<uint16_t, 3> kProductIds = {kProductId, kFullColourProductId,
                                                        kLaterProductId};
inline constexpr uint16_t kVersionNumber = 0x0210;

inline constexpr size_t kKeyCount = 106;
inline constexpr Lighting kFactoryLighting = {.effect = 2,
                                              .brightness = 4,
                                              .speed = 2,
                                              .direction = 1,
                                              .colourCycle = 0,
                                              .colour = {0xFF, 0x40, 0x00}};

// Factory function of each key in the keyboard's own key order (row by row, left to right).
extern const std::array<Function, kKeyCount> kFactoryKeys;

DeviceMemory FactoryMemory();

}  // namespace devsim::keyboard
