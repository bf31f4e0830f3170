// The encodings of the performance settings and the calls that apply the system's settings.
#include <gtest/gtest.h>

#include "mouse/performance.h"
#include "mouse/system_settings.h"
#include "platform/fs/known_folders.h"
#include "platform/shell/system_parameters.h"
#include "temp_folder.h"

namespace mouse {
namespace {

TEST(PerformanceEncodingTest, SensitivityStepsDoubleAboveTheFineRange) {
    struct Case {
        uint16_t base;
        int value;
        int shown;
    };
    for (const Case& c : {Case{100, 0, 100}, Case{100, 48, 4900}, Case{100, 49, 5100},
                          Case{400, 100, 400 + 76 * 200}}) {
        EXPECT_EQ(ShownSensitivity(c.base, c.value), c.shown) << c.value;
    }
    MouseDeviceInfo info{};
    info[kInfoMinDpi] = 0x90;  // 400, little-endian and unaligned
    info[kInfoMinDpi + 1] = 0x01;
    EXPECT_EQ(SensitivityBase(info), 400);
}

TEST(PerformanceEncodingTest, LevelOffsetsSkipTheBytesBetweenLevels) {
    EXPECT_EQ(DpiLevelOffset(1), 15U);
    EXPECT_EQ(DpiLevelOffset(5), 20U);
    EXPECT_EQ(DpiLevelOffset(6), 21U);
    EXPECT_EQ(DpiColourOffset(1), 23U);
    EXPECT_EQ(DpiColourOffset(6) + 2, kParamBlockSize - 1);
}

TEST(PerformanceEncodingTest, SliderPositionsMapToSystemSettings) {
    EXPECT_EQ(PointerSpeedOfPosition(0), 1);
    EXPECT_EQ(PointerSpeedOfPosition(5), 10);
    EXPECT_EQ(PointerSpeedOfPosition(10), 20);
    EXPECT_EQ(ClampPointerSpeed(25), 20);

    struct Case {
        int position;
        int milliseconds;
    };
    for (const Case& c : {Case{0, 1000}, Case{3, 700}, Case{5, 600}, Case{10, 200}}) {
        EXPECT_EQ(DoubleClickMilliseconds(DoubleClickSettingOfPosition(c.position)), c.milliseconds)
            << c.position;
    }
    for (int setting : {0, 150, 1200, -100}) {
        EXPECT_EQ(DoubleClickMilliseconds(setting), 600) << setting;
    }
}

TEST(PerformanceEncodingTest, WheelStepsStayWithinOneToOneHundred) {
    struct Case {
        int typed;
        int up;
        int down;
    };
    for (const Case& c : {Case{0, 2, 1}, Case{1, 2, 1}, Case{5, 6, 4}, Case{100, 100, 99},
                          Case{150, 100, 99}, Case{-3, 2, 1}}) {
        EXPECT_EQ(WheelLinesUp(c.typed), c.up) << c.typed;
        EXPECT_EQ(WheelLinesDown(c.typed), c.down) << c.typed;
    }
}

TEST(SystemSettingCallsTest, AppliesClampedValuesOnTheirOwnThreads) {
    kavrin_testing::TempFolder config;
    kavrin_testing::ScopedEnv env(platform::fs::kConfigDirVariable, config.path());
    SystemSettingCalls calls;
    MouseImage image;

    image.pointerSpeed = 0;
    ApplyPointerSpeed(image, calls);
    EXPECT_EQ(image.pointerSpeed, 1);  // the clamped value is kept
    image.wheelLines = platform::shell::kWheelScrollsPage;
    ApplyWheelLines(image, calls);
    ApplyDoubleClickTime(DoubleClickSettingOfPosition(3), calls);
    calls.WaitAll();
    // Three writers of one settings file: none loses another's value.
    EXPECT_EQ(platform::shell::GetPointerSpeed(), 1);
    EXPECT_EQ(platform::shell::GetWheelScrollLines(), platform::shell::kWheelScrollsPage);
    EXPECT_EQ(platform::shell::GetDoubleClickTime(), 700);

    image.pointerSpeed = 40;
    ApplyPointerSpeed(image, calls);
    EXPECT_EQ(image.pointerSpeed, 20);
}  // the destructor waits for the last call

}  // namespace
}  // namespace mouse
