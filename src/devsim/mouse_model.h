#pragma once

#include <array>
#include <cstdint>

#include "devsim/factory.h"

namespace devsim::mouse {

inline constexpr uint16_t kVendorId = 0x260D;
inline constexpr uint16_t kProductId = 0x1003;
inline constexpr uint16_t kSecondProductId = 0x1099;
inline constexpr std::array<uint16_t, 2> kProductIds = {kProductId, kSecondProductId};
inline constexpr uint16_t kVersionNumber = 0x0105;

inline constexpr uint8_t kMacroCapacityUnits = 32;  // 4096 bytes of macro area
inline constexpr uint8_t kMaxDpiSlider = 64;        // 8100 cpi with the base below
inline constexpr uint16_t kMinDpi = 100;

// Sensitivity slider values of levels 1 … 6: 400, 800, 1600, 2400, 3200 and 4800 cpi.
inline constexpr std::array<uint8_t, 6> kFactoryDpiLevels = {3, 7, 15, 23, 31, 47};
inline constexpr std::array<Rgb, 6> kFactoryDpiColours = {{
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0xFF, 0x00},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0x00, 0xFF},
}};
inline constexpr uint8_t kFactoryReportRate = 3;  // 1000 Hz
inline constexpr Lighting kFactoryLighting = {.effect = 1,
                                              .brightness = 3,
                                              .speed = 2,
                                              .direction = 0,
                                              .colourCycle = 1,
                                              .colour = {0x00, 0x99, 0xCB}};

inline constexpr size_t kButtonCount = 7;
// Buttons 1 … 7: left, middle, right, forward, back, sensitivity cycle, sensitivity down.
inline constexpr std::array<Function, kButtonCount> kFactoryButtons = {{
    {0x10, 0x01, 0x00},
    {0x10, 0x04, 0x00},
    {0x10, 0x02, 0x00},
    {0x10, 0x10, 0x00},
    {0x10, 0x08, 0x00},
    {0x13, 0x03, 0x00},
    {0x13, 0x02, 0x00},
}};

DeviceMemory FactoryMemory();

}  // namespace devsim::mouse
