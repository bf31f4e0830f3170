#include "devsim/protocol.h"

#include <numeric>

namespace devsim {

uint16_t ReportChecksum(std::span<const uint8_t, kReportSize> report) {
    return static_cast<uint16_t>(
        std::accumulate(report.begin() + kChecksumFirst, report.end(), 0u));
}

void StoreChecksum(Report& report) {
    const uint16_t sum = ReportChecksum(report);
    report[kFrameChecksum] = static_cast<uint8_t>(sum & 0xFF);
    report[kFrameChecksum + 1] = static_cast<uint8_t>(sum >> 8);
}

uint16_t FrameOffset(const Report& report) {
    return static_cast<uint16_t>(report[kFrameOffset] | report[kFrameOffset + 1] << 8);
}

void SetFrameOffset(Report& report, uint16_t offset) {
    report[kFrameOffset] = static_cast<uint8_t>(offset & 0xFF);
    report[kFrameOffset + 1] = static_cast<uint8_t>(offset >> 8);
}

}  // namespace devsim
