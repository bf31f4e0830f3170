#pragma once

#include <cstdint>

#include "mouse/mouse_image.h"

// The encodings of the performance settings: sensitivity levels, report rate, and the system's
// pointer speed, double-click time and wheel lines as the page's controls hold them.
namespace mouse {

inline constexpr int kDpiLevelCount = static_cast<int>(kDpiLevels.size());
inline constexpr int kReportRateCount = 4;  // 125, 250, 500, 1000 reports per second

// Sensitivity steps of the slider: 100 per step up to this value, 200 per step above it.
inline constexpr int kFineDpiSteps = 48;

// The smallest sensitivity of the mouse (the slider's value 0).
uint16_t SensitivityBase(const MouseDeviceInfo& info);
// The largest slider value; 0 when the mouse has not said (no limit).
uint8_t SliderLimit(const MouseDeviceInfo& info);
// The sensitivity a slider value stands for.
int ShownSensitivity(uint16_t base, int sliderValue);

// The block offsets of level 1 … 6: its slider value and the first of its red, green, blue.
size_t DpiLevelOffset(int level);
size_t DpiColourOffset(int level);

// Pointer speed 1 … 20: a value outside is brought to the nearest end.
int ClampPointerSpeed(int speed);
// Positions 0 … 10 of the pointer-speed slider stand for the speeds 2 × position (0 for 1).
int PointerSpeedOfPosition(int position);
// Positions 0 … 10 of the double-click slider stand for the settings 1100 … 100.
int DoubleClickSettingOfPosition(int position);
// The double-click time of a setting 100 … 1100 (steps of 100); 600 ms for anything else.
int DoubleClickMilliseconds(int setting);

inline constexpr int kMaxWheelLines = 100;
// The wheel lines after one step up or down from what the edit holds (0 for a non-number).
int WheelLinesUp(int lines);
int WheelLinesDown(int lines);

}  // namespace mouse
