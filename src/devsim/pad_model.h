#pragma once

#include <array>
#include <cstdint>

#include "devsim/factory.h"

namespace devsim::pad {

inline constexpr uint16_t kVendorId = 0x0C45;
inline constexpr uint16_t kProductId = 0x5004;
inline constexpr std::array<uint16_t, 1> kProductIds = {kProductId};
inline constexpr uint16_t kVersionNumber = 0x0101;

inline constexpr Lighting kFactoryLighting = {.effect = 0,
                                              .brightness = 4,
                                              .speed = 1,
                                              .direction = 1,
                                              .colourCycle = 1,
                                              .colour = {0x01, 0x99, 0xCB}};

// Lighting only: no key tables, default table or macro area.
DeviceMemory FactoryMemory();

}  // namespace devsim::pad
