#include "device/device_report.h"

#include <gtest/gtest.h>

#include "device/result_codes.h"

namespace device {
namespace {

TEST(DeviceReportTest, ChecksumSumsBytesFromCommandOnward) {
    DeviceReport report;
    EXPECT_EQ(ReportChecksum(report), 0);

    report = MakeRequest(Command::kBeginSession);
    EXPECT_EQ(ReportChecksum(report), 1);

    // Bytes 0..2 are outside the sum; the sum wraps at 16 bits.
    report.bytes.fill(0xFF);
    EXPECT_EQ(ReportChecksum(report), static_cast<uint16_t>(61 * 0xFF));
}

TEST(DeviceReportTest, RequestIsZeroFilledWithChecksumStoredLittleEndianLast) {
    DeviceReport request = MakeRequest(Command::kWriteParams);
    SetTransfer(request, 1, 0x015E);
    request.data()[0] = 0xC8;
    SealRequest(request);

    DeviceReport expected;
    expected.bytes[0] = 4;
    expected.bytes[3] = 6;
    expected.bytes[4] = 1;
    expected.bytes[5] = 0x5E;
    expected.bytes[6] = 0x01;
    expected.bytes[8] = 0xC8;
    const uint16_t sum = 6 + 1 + 0x5E + 0x01 + 0xC8;
    expected.bytes[1] = sum & 0xFF;
    expected.bytes[2] = sum >> 8;
    EXPECT_EQ(request.bytes, expected.bytes);
}

TEST(DeviceReportTest, OnlyStatus255And254AreErrors) {
    const struct {
        uint8_t status;
        int result;
    } cases[] = {{0, kResultSuccess},
                 {1, kResultSuccess},
                 {253, kResultSuccess},
                 {254, kResultStatus254},
                 {255, kResultStatus255}};
    for (const auto& c : cases) {
        DeviceReport answer;
        answer.bytes[report_offset::kStatus] = c.status;
        EXPECT_EQ(StatusResult(answer), c.result) << int{c.status};
    }
}

}  // namespace
}  // namespace device
