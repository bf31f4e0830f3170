#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The 64-byte vendor report as the firmware sees it: the same frame in both directions.
namespace devsim {

inline constexpr uint8_t kVendorReportId = 4;
inline constexpr size_t kReportSize = 64;

inline constexpr size_t kFrameReportId = 0;
inline constexpr size_t kFrameChecksum = 1;  // 2 bytes, little-endian
inline constexpr size_t kFrameCommand = 3;
inline constexpr size_t kFrameLength = 4;
inline constexpr size_t kFrameOffset = 5;  // 2 bytes, little-endian
inline constexpr size_t kFrameStatus = 7;
inline constexpr size_t kFrameData = 8;
inline constexpr size_t kFrameDataSize = kReportSize - kFrameData;  // 56
// The checksum covers everything after itself.
inline constexpr size_t kChecksumFirst = kFrameCommand;

using Report = std::array<uint8_t, kReportSize>;

namespace command {
inline constexpr uint8_t kBeginSession = 1;
inline constexpr uint8_t kEndSession = 2;
inline constexpr uint8_t kReadDeviceInfo = 3;
inline constexpr uint8_t kReadParams = 5;
inline constexpr uint8_t kWriteParams = 6;
inline constexpr uint8_t kReadDefaultTable = 7;
inline constexpr uint8_t kReadKeyTable = 8;
inline constexpr uint8_t kWriteKeyTable = 9;
inline constexpr uint8_t kWriteMacroArea = 21;
}  // namespace command

// Status bytes of answers: the host treats 254 and 255 as errors and anything else as success.
namespace status {
inline constexpr uint8_t kOk = 0;
inline constexpr uint8_t kOutOfRange = 254;  // offset + length leaves the addressed area
inline constexpr uint8_t kBadRequest = 255;  // unknown command or impossible length
}  // namespace status

uint16_t ReportChecksum(std::span<const uint8_t, kReportSize> report);
void StoreChecksum(Report& report);
uint16_t FrameOffset(const Report& report);
void SetFrameOffset(Report& report, uint16_t offset);

}  // namespace devsim
