#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "hid_fixture.h"
#include "platform/hid/hid_interface.h"
#include "platform/hid/hidraw_reader.h"
#include "sample_descriptors.h"

namespace platform::hid {
namespace {

using Clock = std::chrono::steady_clock;
using testing::HidrawTest;
using Report = std::array<uint8_t, kWriteReportLength>;

Report VendorReport(uint8_t command) {
    Report report{};
    report[0] = 4;
    report[3] = command;
    return report;
}

std::vector<uint8_t> Bytes(const Report& report) {
    return {report.begin(), report.end()};
}

void WaitUntilPending(const std::atomic<int>& flag) {
    while (flag.load() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

class ReportIo : public HidrawTest {
protected:
    void SetUp() override {
        HidrawTest::SetUp();
        fake.AddNode(3, testing::kMouseId, testing::GamingMouseInterface());
        ASSERT_EQ(Open(link, testing::kVendorPath, true), 1);
    }

    int Read(HidInterface& hid, Report& buffer, uint32_t timeoutMs) {
        uint32_t bytesRead = 0;
        return ReadReport(hid, buffer, timeoutMs, bytesRead);
    }

    HidInterface link;
};

TEST_F(ReportIo, RequestGoesOutWholeAndTheAnswerComesBack) {
    const Report request = VendorReport(1);
    uint32_t written = 0;
    ASSERT_EQ(WriteReport(link, request, written), 1);
    EXPECT_EQ(written, 64u);
    EXPECT_EQ(fake.Receive(3, 1000), Bytes(request));

    const Report answer = VendorReport(1);
    fake.Send(3, Bytes(answer));
    Report got{};
    uint32_t bytesRead = 0;
    ASSERT_EQ(ReadReport(link, got, 300, bytesRead), 1);
    EXPECT_EQ(bytesRead, 64u);
    EXPECT_EQ(got, answer);
    EXPECT_EQ(link.readPending.load(), 0);
    EXPECT_EQ(link.writePending.load(), 0);
}

TEST_F(ReportIo, NodeWithoutReportIdsGetsIdZeroInFront) {
    fake.AddNode(7, testing::kMouseId, testing::kBootMouse);
    HidInterface mouse;
    ASSERT_EQ(Open(mouse, "hid#vid_260d&pid_1003#/dev/hidraw7", false), 1);
    fake.Send(7, {0x01, 0x02, 0x03});
    Report got{};
    uint32_t bytesRead = 0;
    ASSERT_EQ(ReadReport(mouse, got, 300, bytesRead), 1);
    EXPECT_EQ(bytesRead, 4u);
    EXPECT_THAT(std::vector<uint8_t>(got.begin(), got.begin() + 4),
                ::testing::ElementsAre(0, 1, 2, 3));
}

TEST_F(ReportIo, ReadTimesOutAndALateReportNeverLandsInTheOldBuffer) {
    Report buffer;
    buffer.fill(0xAA);
    const auto start = Clock::now();
    EXPECT_EQ(Read(link, buffer, 50), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(link.lastReadStatus, IoStatus::kTimeout);
    EXPECT_EQ(link.readPending.load(), 0);

    const Report late = VendorReport(2);
    fake.Send(3, Bytes(late));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Report untouched;
    untouched.fill(0xAA);
    EXPECT_EQ(buffer, untouched);
    // The report is kept for the next read (the device layer discards stale answers itself).
    ASSERT_EQ(Read(link, buffer, 300), 1);
    EXPECT_EQ(buffer, late);
}

TEST_F(ReportIo, AbortEndsAPendingWaitAtOnceAndIsConsumedByIt) {
    std::atomic<int> result{-1};
    std::thread reader([&] {
        Report buffer{};
        result = Read(link, buffer, 5000);
    });
    WaitUntilPending(link.readPending);
    const auto start = Clock::now();
    link.abort.Set();
    reader.join();
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(link.lastReadStatus, IoStatus::kAborted);
    EXPECT_EQ(link.readPending.load(), 0);

    Report buffer{};
    EXPECT_EQ(Read(link, buffer, 20), 0);
    EXPECT_EQ(link.lastReadStatus, IoStatus::kTimeout);
}

TEST_F(ReportIo, AbortSignalledBeforeTheCallEndsExactlyOneTransfer) {
    fake.Send(3, Bytes(VendorReport(5)));
    link.abort.Set();
    Report buffer{};
    EXPECT_EQ(Read(link, buffer, 300), 0);  // the abort wins over a waiting report
    EXPECT_EQ(link.lastReadStatus, IoStatus::kAborted);
    EXPECT_EQ(Read(link, buffer, 300), 1);
    EXPECT_EQ(buffer[3], 5);

    link.abort.Set();
    uint32_t written = 0;
    EXPECT_EQ(WriteReport(link, VendorReport(6), written), 0);
    EXPECT_EQ(link.lastWriteStatus, IoStatus::kAborted);
    EXPECT_EQ(WriteReport(link, VendorReport(6), written), 1);
}

TEST_F(ReportIo, ReportsOfOtherCollectionsReachOnlyTheirOwnReader) {
    HidInterface sync;
    ASSERT_EQ(Open(sync, testing::kConsumerPath, false), 1);
    const std::vector<uint8_t> notice = {3, 0x01, 0x04};
    const std::vector<uint8_t> motion = {1, 0, 5, 0, 5, 0, 0};
    fake.Send(3, notice);
    fake.Send(3, motion);  // nobody reads the pointer collection: dropped
    fake.Send(3, Bytes(VendorReport(9)));

    Report answer{};
    ASSERT_EQ(Read(link, answer, 300), 1);
    EXPECT_EQ(answer, VendorReport(9));

    std::vector<uint8_t> got(sync.caps.inputReportByteLength);
    uint32_t bytesRead = 0;
    ASSERT_EQ(ReadReport(sync, got, 300, bytesRead), 1);
    EXPECT_EQ(got, notice);
    EXPECT_EQ(ReadReport(sync, got, 20, bytesRead), 0);
    EXPECT_EQ(Read(link, answer, 20), 0);
}

TEST_F(ReportIo, ConcurrentReadersOfOneNodeEachGetTheirOwnReports) {
    HidInterface sync;
    ASSERT_EQ(Open(sync, testing::kConsumerPath, false), 1);
    std::vector<uint8_t> notice(3);
    std::atomic<int> syncResult{-1};
    std::thread syncThread([&] {
        uint32_t bytesRead = 0;
        syncResult = ReadReport(sync, notice, 2000, bytesRead);
    });
    WaitUntilPending(sync.readPending);

    uint32_t written = 0;
    ASSERT_EQ(WriteReport(link, VendorReport(3), written), 1);
    fake.Send(3, {3, 0x02, 0x04});
    fake.Send(3, Bytes(VendorReport(3)));
    Report answer{};
    EXPECT_EQ(Read(link, answer, 2000), 1);
    syncThread.join();
    EXPECT_EQ(answer, VendorReport(3));
    EXPECT_EQ(syncResult.load(), 1);
    EXPECT_THAT(notice, ::testing::ElementsAre(3, 0x02, 0x04));
}

TEST_F(ReportIo, AReaderThatFallsBehindKeepsItsNewestReportsInOrder) {
    HidInterface sync;
    ASSERT_EQ(Open(sync, testing::kConsumerPath, false), 1);
    constexpr size_t kLimit = HidrawReader::kQueueLimit;
    constexpr size_t kSent = kLimit + 8;
    for (size_t i = 0; i < kSent; ++i) {
        fake.Send(3, {3, static_cast<uint8_t>(i), 0x04});
    }
    fake.Send(3, Bytes(VendorReport(1)));
    // Waiting for its answer, the link moves every notice to the sync reader's queue.
    Report answer{};
    ASSERT_EQ(Read(link, answer, 300), 1);
    EXPECT_EQ(answer, VendorReport(1));

    std::vector<uint8_t> notice(3);
    uint32_t bytesRead = 0;
    for (size_t i = kSent - kLimit; i < kSent; ++i) {
        ASSERT_EQ(ReadReport(sync, notice, 0, bytesRead), 1);
        EXPECT_EQ(notice[1], i);
    }
    EXPECT_EQ(ReadReport(sync, notice, 0, bytesRead), 0);
}

TEST_F(ReportIo, UnpluggedDeviceEndsTheWaitAtOnce) {
    fake.Unplug(3);
    Report buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(Read(link, buffer, 5000), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(link.lastReadStatus, IoStatus::kDisconnected);
}

TEST_F(ReportIo, WriteGivesUpAfterOneSecondWhenTheDeviceTakesNothing) {
    uint32_t written = 0;
    const Report request = VendorReport(7);
    const auto limit = Clock::now() + std::chrono::seconds(20);
    while (WriteReport(link, request, written) == 1) {
        ASSERT_LT(Clock::now(), limit);
    }
    EXPECT_EQ(link.lastWriteStatus, IoStatus::kTimeout);
    EXPECT_EQ(written, 0u);
}

}  // namespace
}  // namespace platform::hid
