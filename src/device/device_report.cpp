#include "device/device_report.h"

#include <numeric>

#include "device/result_codes.h"

namespace device {

uint16_t ReportChecksum(const DeviceReport& report) {
    const auto summed = std::span(report.bytes).subspan(report_offset::kCommand);
    return static_cast<uint16_t>(std::accumulate(summed.begin(), summed.end(), 0u));
}

DeviceReport MakeRequest(Command command) {
    DeviceReport request;
    request.bytes[report_offset::kReportId] = kReportId;
    request.bytes[report_offset::kCommand] = static_cast<uint8_t>(command);
    return request;
}

void SetTransfer(DeviceReport& request, uint8_t length, uint16_t address) {
    request.bytes[report_offset::kLength] = length;
    request.bytes[report_offset::kAddress] = static_cast<uint8_t>(address & 0xFF);
    request.bytes[report_offset::kAddress + 1] = static_cast<uint8_t>(address >> 8);
}

void SealRequest(DeviceReport& request) {
    const uint16_t sum = ReportChecksum(request);
    request.bytes[report_offset::kChecksum] = static_cast<uint8_t>(sum & 0xFF);
    request.bytes[report_offset::kChecksum + 1] = static_cast<uint8_t>(sum >> 8);
}

int StatusResult(const DeviceReport& answer) {
    switch (answer.status()) {
        case kStatusError255:
            return kResultStatus255;
        case kStatusError254:
            return kResultStatus254;
        default:
            return kResultSuccess;
    }
}

}  // namespace device
