// Changes made on the devices themselves, reported on their consumer-control collections.
#include <gtest/gtest.h>

#include <algorithm>

#include "devices_fixture.h"
#include "devsim/protocol.h"
#include "mouse/shared_records.h"

namespace app::testing {
namespace {

constexpr uint16_t kKeyPressUsage = 0x0403;
constexpr uint8_t kNewEffect = 3;

TEST_F(DevicesTest, MouseParameterNoticeRereadsTheParameters) {
    simulator_.mouse().Plug();
    CMainWnd& window = Start();
    const mouse::MouseImage& image = window.Devices().mouse;
    const devsim::DeviceMemory memory = simulator_.mouse().memory();
    // The start-up read is over before the device changes.
    ASSERT_TRUE(RunUntil([&] { return std::ranges::equal(image.info, memory.info); }));
    const uint8_t effect =
        image.records[0][mouse::kEffect] == kNewEffect ? kNewEffect + 1 : kNewEffect;

    const uint8_t bytes[] = {effect};
    ASSERT_TRUE(simulator_.mouse().ChangeParamsOnDevice(mouse::kEffect, bytes));
    EXPECT_TRUE(RunUntil([&] {
        return image.records[0][mouse::kEffect] == effect &&
               image.block.Get(mouse::kEffect) == effect;
    }));
}

TEST_F(DevicesTest, KeyboardKeyPressNoticeIsIgnored) {
    simulator_.keyboard().Plug();
    CMainWnd& window = Start();
    const keyboard::KeyboardData& data = window.Devices().keyboard;
    const devsim::DeviceMemory memory = simulator_.keyboard().memory();
    ASSERT_TRUE(RunUntil([&] {
        return window.KeyboardLink().connected && std::ranges::equal(data.info, memory.info);
    }));
    simulator_.keyboard().ClearLog();

    // The key press comes first; the parameter notice behind it shows when both are handled.
    ASSERT_TRUE(simulator_.keyboard().SendNotice(kKeyPressUsage));
    const uint8_t effect =
        data.records[0][mouse::kEffect] == kNewEffect ? kNewEffect + 1 : kNewEffect;
    const uint8_t bytes[] = {effect};
    ASSERT_TRUE(simulator_.keyboard().ChangeParamsOnDevice(mouse::kEffect, bytes));
    ASSERT_TRUE(RunUntil([&] { return data.records[0][mouse::kEffect] == effect; }));

    // Only the parameter re-read talked to the keyboard.
    for (const devsim::ExchangeRecord& request : simulator_.keyboard().log()) {
        EXPECT_EQ(request.command, devsim::command::kReadParams);
    }
}

}  // namespace
}  // namespace app::testing
