#include "device/commands.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "device/result_codes.h"
#include "scripted_hid.h"

namespace device {
namespace {

using testing::Reply;
using testing::ScriptedDevice;
using testing::ScriptedMouse;

uint16_t Address(const DeviceReport& report) {
    return static_cast<uint16_t>(report.bytes[5] | (report.bytes[6] << 8));
}

class CommandsTest : public ::testing::Test {
protected:
    std::vector<DeviceReport> Written() const { return mouse_.device->Written(); }

    ScriptedMouse mouse_;
    DeviceLink& link_ = mouse_.link;
    ScriptedDevice& device_ = *mouse_.device;
};

TEST_F(CommandsTest, SingleReportRequestsCarryTheirFieldsAndChecksum) {
    const uint8_t rate = 3;
    std::array<uint8_t, kDeviceInfoSize> info{};
    std::array<uint8_t, 56> params{};
    ASSERT_EQ(BeginSession(link_), kResultSuccess);
    ASSERT_EQ(EndSession(link_), kResultSuccess);
    ASSERT_EQ(ReadDeviceInfo(link_, info), kResultSuccess);
    ASSERT_EQ(ReadParams(link_, 256, params), kResultSuccess);
    ASSERT_EQ(WriteParams(link_, 14, std::span(&rate, 1)), kResultSuccess);

    const struct {
        uint8_t command;
        uint8_t length;
        uint16_t address;
        uint8_t firstData;
    } expected[] = {{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 33, 0, 0}, {5, 56, 256, 0}, {6, 1, 14, 3}};
    const auto written = Written();
    ASSERT_EQ(written.size(), std::size(expected));
    for (size_t i = 0; i < written.size(); ++i) {
        const DeviceReport& request = written[i];
        EXPECT_EQ(request.bytes[0], kReportId);
        EXPECT_EQ(request.bytes[3], expected[i].command);
        EXPECT_EQ(request.bytes[4], expected[i].length);
        EXPECT_EQ(Address(request), expected[i].address);
        EXPECT_EQ(request.bytes[7], 0);
        EXPECT_EQ(request.data()[0], expected[i].firstData);
        EXPECT_TRUE(std::all_of(request.data().begin() + 1, request.data().end(),
                                [](uint8_t b) { return b == 0; }));
        EXPECT_EQ(request.bytes[1] | (request.bytes[2] << 8), ReportChecksum(request));
    }
}

TEST_F(CommandsTest, ReadsCopyOnlyTheirPayload) {
    std::array<uint8_t, kDeviceInfoSize> info{};
    ASSERT_EQ(ReadDeviceInfo(link_, info), kResultSuccess);
    for (size_t i = 0; i < info.size(); ++i) {
        EXPECT_EQ(info[i], ScriptedDevice::PatternByte(i)) << i;
    }

    std::array<uint8_t, 4> buffer{0xAA, 0xAA, 0xAA, 0xAA};
    ASSERT_EQ(ReadParams(link_, 64, std::span(buffer).first(3)), kResultSuccess);
    EXPECT_EQ(buffer[0], ScriptedDevice::PatternByte(64));
    EXPECT_EQ(buffer[2], ScriptedDevice::PatternByte(66));
    EXPECT_EQ(buffer[3], 0xAA);
}

TEST_F(CommandsTest, FailedReadLeavesTheCallersBufferAlone) {
    device_.Push({Reply::kAnswer, 254});
    std::array<uint8_t, 8> buffer{};
    buffer.fill(0xAA);
    EXPECT_EQ(ReadParams(link_, 0, buffer), kResultStatus254);
    EXPECT_EQ(buffer[0], 0xAA);
}

TEST_F(CommandsTest, KeyTableReadMovesTenChunksFromTheIndexBase) {
    std::array<uint8_t, 512> table{};
    ASSERT_EQ(ReadKeyTable(link_, table, 1), kResultSuccess);

    const auto written = Written();
    ASSERT_EQ(written.size(), 10u);
    for (size_t chunk = 0; chunk < written.size(); ++chunk) {
        EXPECT_EQ(written[chunk].bytes[3], 8);
        EXPECT_EQ(written[chunk].bytes[4], chunk < 9 ? 56 : 8) << chunk;
        EXPECT_EQ(Address(written[chunk]), 126 + 56 * chunk) << chunk;
    }
    EXPECT_EQ(written[2].bytes[5], 0xEE);
    EXPECT_EQ(written[2].bytes[6], 0x00);
    EXPECT_EQ(written[4].bytes[5], 0x5E);
    EXPECT_EQ(written[4].bytes[6], 0x01);
    // The buffer position is the chunk offset; the base only addresses the device.
    for (size_t i = 0; i < table.size(); ++i) {
        ASSERT_EQ(table[i], ScriptedDevice::PatternByte(126 + i)) << i;
    }
}

TEST_F(CommandsTest, ChunkCountFollowsTheTransferLength) {
    const struct {
        uint16_t length;
        std::vector<uint8_t> chunks;
    } cases[] = {{0, {}}, {56, {56}}, {57, {56, 1}}, {312, {56, 56, 56, 56, 56, 32}}};
    for (const auto& c : cases) {
        ScriptedMouse mouse;
        mouse.link.length = c.length;
        std::array<uint8_t, 512> table{};
        EXPECT_EQ(ReadDefaultTable(mouse.link, table), kResultSuccess) << c.length;
        std::vector<uint8_t> chunks;
        for (const DeviceReport& request : mouse.device->Written()) {
            chunks.push_back(request.bytes[4]);
        }
        EXPECT_EQ(chunks, c.chunks) << c.length;
    }
}

TEST_F(CommandsTest, ShortLastWriteChunkKeepsThePreviousChunksTail) {
    std::vector<uint8_t> macro(60);
    std::iota(macro.begin(), macro.end(), uint8_t{1});
    ASSERT_EQ(WriteMacroArea(link_, macro), kResultSuccess);

    const auto written = Written();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(std::equal(macro.begin(), macro.begin() + 56, written[0].data().begin()));
    const DeviceReport& last = written[1];
    EXPECT_EQ(last.bytes[3], 21);
    EXPECT_EQ(last.bytes[4], 4);
    EXPECT_EQ(Address(last), 56);
    EXPECT_TRUE(std::equal(macro.begin() + 56, macro.end(), last.data().begin()));
    EXPECT_TRUE(std::equal(macro.begin() + 4, macro.begin() + 56, last.data().begin() + 4));
    EXPECT_EQ(last.bytes[1] | (last.bytes[2] << 8), ReportChecksum(last));
}

TEST_F(CommandsTest, StatusErrorStopsChunkedReadWithEarlierChunksKept) {
    device_.Push({Reply::kAnswer});
    device_.Push({Reply::kAnswer, 255});
    std::array<uint8_t, 512> table{};
    table.fill(0xAA);
    EXPECT_EQ(ReadDefaultTable(link_, table), kResultStatus255);
    EXPECT_EQ(device_.WriteCount(), 2u);
    for (size_t i = 0; i < 56; ++i) {
        ASSERT_EQ(table[i], ScriptedDevice::PatternByte(i)) << i;
    }
    EXPECT_TRUE(std::all_of(table.begin() + 56, table.end(), [](uint8_t b) { return b == 0xAA; }));
}

TEST_F(CommandsTest, KeyTableIndexAboveFourIsRefusedBeforeSending) {
    std::array<uint8_t, 512> table{};
    EXPECT_EQ(ReadKeyTable(link_, table, 5), kResultBadTableIndex);
    EXPECT_EQ(WriteKeyTable(link_, table, 5), kResultBadTableIndex);
    EXPECT_EQ(device_.WriteCount(), 0u);

    EXPECT_EQ(WriteKeyTable(link_, table, 4), kResultSuccess);
    const auto written = Written();
    ASSERT_EQ(written.size(), 10u);
    EXPECT_EQ(Address(written.front()), 504);
    EXPECT_EQ(Address(written.back()), 504 + 504);
}

// Arguments the report cannot carry would read or write past the caller's memory.
TEST_F(CommandsTest, ArgumentsTheReportCannotCarryAreRefused) {
    std::array<uint8_t, 57> params{};
    std::array<uint8_t, 100> shortTable{};
    EXPECT_EQ(ReadParams(link_, 0, params), kResultWriteFailed);
    EXPECT_EQ(WriteParams(link_, 0, params), kResultWriteFailed);
    EXPECT_EQ(ReadDefaultTable(link_, shortTable), kResultWriteFailed);
    EXPECT_EQ(ReadKeyTable(link_, shortTable, 0), kResultWriteFailed);
    EXPECT_EQ(WriteKeyTable(link_, shortTable, 0), kResultWriteFailed);
    EXPECT_EQ(device_.WriteCount(), 0u);
}

}  // namespace
}  // namespace device
