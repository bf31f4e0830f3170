#include "mouse/performance.h"

#include <algorithm>
#include <array>

namespace mouse {
namespace {

constexpr int kFineStep = 100;
constexpr int kCoarseStep = 200;
// Above the fine steps each step counts double from this origin, so that the fine range ends
// 100 below where the coarse one starts.
constexpr int kCoarseOrigin = kFineDpiSteps / 2;

constexpr int kMinPointerSpeed = 1;
constexpr int kMaxPointerSpeed = 20;
constexpr int kPositionsPerSpeed = 2;
constexpr int kDoubleClickPositions = 11;
constexpr int kDoubleClickUnit = 100;
constexpr int kUnknownDoubleClickMs = 600;
// The double-click times of the settings 100, 200, … 1100.
constexpr std::array<int, 11> kDoubleClickTimes = {200, 300, 400, 450, 500, 600,
                                                   650, 700, 800, 850, 1000};

}  // namespace

uint16_t SensitivityBase(const MouseDeviceInfo& info) {
    return static_cast<uint16_t>(info[kInfoMinDpi] | info[kInfoMinDpi + 1] << 8);
}

uint8_t SliderLimit(const MouseDeviceInfo& info) {
    return info[kInfoMaxDpiSlider];
}

int ShownSensitivity(uint16_t base, int sliderValue) {
    if (sliderValue <= kFineDpiSteps) {
        return base + sliderValue * kFineStep;
    }
    return base + (sliderValue - kCoarseOrigin) * kCoarseStep;
}

size_t DpiLevelOffset(int level) {
    return kDpiLevels.at(static_cast<size_t>(level - 1));
}

size_t DpiColourOffset(int level) {
    return kDpiColours + static_cast<size_t>(level - 1) * 3;
}

int ClampPointerSpeed(int speed) {
    return std::clamp(speed, kMinPointerSpeed, kMaxPointerSpeed);
}

int PointerSpeedOfPosition(int position) {
    return ClampPointerSpeed(position * kPositionsPerSpeed);
}

int DoubleClickSettingOfPosition(int position) {
    return (kDoubleClickPositions - position) * kDoubleClickUnit;
}

int DoubleClickMilliseconds(int setting) {
    if (setting % kDoubleClickUnit != 0 || setting < kDoubleClickUnit ||
        setting > kDoubleClickUnit * static_cast<int>(kDoubleClickTimes.size())) {
        return kUnknownDoubleClickMs;
    }
    return kDoubleClickTimes[static_cast<size_t>(setting / kDoubleClickUnit - 1)];
}

int WheelLinesUp(int lines) {
    return std::min(std::max(lines, 1) + 1, kMaxWheelLines);
}

int WheelLinesDown(int lines) {
    const int capped = std::min(lines, kMaxWheelLines);
    return capped >= 2 ? capped - 1 : 1;
}

}  // namespace mouse
