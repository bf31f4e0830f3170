// The commands against the device simulator's firmware: what the device's memory ends up as.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "device/commands.h"
#include "device/exchange.h"
#include "device/interface_scan.h"
#include "device/result_codes.h"
#include "devsim/simulator.h"
#include "platform/sys/clock.h"

namespace device {
namespace {

using devsim::DeviceKind;
using devsim::Fault;

class SimLinkTest : public ::testing::Test {
protected:
    SimLinkTest() {
        platform::hid::SetBackend(sim_.backend());
        AssignIdentity(mouse_, kMouseIdentity);
        AssignIdentity(secondMouse_, kSecondMouseIdentity);
        EXPECT_EQ(platform::hid::EnumerateHidPaths(mouse_.hid.paths), 1);
        mouse_.connected =
            OpenConfigInterface(mouse_.hid, MouseConfigInterface(mouse_, secondMouse_));
    }

    static constexpr devsim::PluggedDevice kMouseOnly[] = {{DeviceKind::kMouse, 0}};
    devsim::Simulator sim_{kMouseOnly};
    DeviceLink mouse_;
    DeviceLink secondMouse_;
};

TEST_F(SimLinkTest, FullMouseReadMirrorsTheFirmwareMemory) {
    ASSERT_TRUE(mouse_.connected);
    std::array<uint8_t, kDeviceInfoSize> info{};
    std::vector<uint8_t> defaults(kDefaultTransferLength);
    std::vector<std::vector<uint8_t>> pages(5, std::vector<uint8_t>(kDefaultTransferLength));

    EXPECT_EQ(BeginSession(mouse_), kResultSuccess);
    EXPECT_EQ(ReadDeviceInfo(mouse_, info), kResultSuccess);
    EXPECT_EQ(ReadDefaultTable(mouse_, defaults), kResultSuccess);
    for (unsigned index = 0; index < pages.size(); ++index) {
        EXPECT_EQ(ReadKeyTable(mouse_, pages[index], index), kResultSuccess) << index;
    }
    EXPECT_EQ(EndSession(mouse_), kResultSuccess);

    const devsim::DeviceMemory memory = sim_.mouse().memory();
    EXPECT_TRUE(std::ranges::equal(info, memory.info));
    EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), memory.defaultTable.begin()));
    for (size_t index = 0; index < pages.size(); ++index) {
        const auto table = memory.keyTables.begin() + devsim::KeyTableOffset(index);
        EXPECT_TRUE(std::equal(pages[index].begin(), pages[index].end(), table)) << index;
    }
    const auto log = sim_.mouse().log();
    EXPECT_EQ(log.size(), 1u + 1u + 10u + 5u * 10u + 1u);
    EXPECT_TRUE(std::ranges::all_of(log, &devsim::ExchangeRecord::checksumOk));
    EXPECT_FALSE(sim_.mouse().sessionOpen());
}

TEST_F(SimLinkTest, WritesReachTheFirmwareMemory) {
    std::vector<uint8_t> table(kDefaultTransferLength);
    std::iota(table.begin(), table.end(), uint8_t{0});
    const uint8_t rate = 2;
    EXPECT_EQ(WriteKeyTable(mouse_, table, 2), kResultSuccess);
    EXPECT_EQ(WriteParams(mouse_, devsim::kParamReportRate, std::span(&rate, 1)), kResultSuccess);

    const devsim::DeviceMemory memory = sim_.mouse().memory();
    EXPECT_TRUE(std::equal(table.begin(), table.end(),
                           memory.keyTables.begin() + devsim::KeyTableOffset(2)));
    EXPECT_EQ(memory.params[devsim::kParamReportRate], rate);
}

TEST_F(SimLinkTest, RefusedChunkEndsTheKeyTableRead) {
    sim_.mouse().AddFault(
        Fault::Status(255).OnCommand(devsim::command::kReadKeyTable).AtOffset(238).Times(1));
    std::vector<uint8_t> page(kDefaultTransferLength);
    EXPECT_EQ(ReadKeyTable(mouse_, page, 1), kResultStatus255);
    EXPECT_EQ(sim_.mouse().log().size(), 3u);
}

// The first request is answered only after its read gave up; the retry is answered too, so one
// answer is left over. The next command must not take it for its own.
TEST_F(SimLinkTest, LeftOverAnswerIsNotTakenForTheNextRequest) {
    sim_.mouse().AddFault(
        Fault::LateAnswer(kAnswerTimeoutMs + 100).OnCommand(devsim::command::kReadParams).Times(1));
    std::array<uint8_t, 8> record0{};
    EXPECT_EQ(ReadParams(mouse_, 0, record0), kResultSuccess);
    platform::sys::Sleep(200);

    std::array<uint8_t, 8> record1{};
    EXPECT_EQ(ReadParams(mouse_, 64, record1), kResultSuccess);
    const devsim::DeviceMemory memory = sim_.mouse().memory();
    EXPECT_TRUE(std::equal(record1.begin(), record1.end(),
                           memory.params.begin() + devsim::ParamRecordOffset(1)));
}

TEST_F(SimLinkTest, UnpluggedMouseFailsTheWrite) {
    sim_.mouse().Unplug();
    EXPECT_EQ(BeginSession(mouse_), kResultWriteFailed);
}

}  // namespace
}  // namespace device
