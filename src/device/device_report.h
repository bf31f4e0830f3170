#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace device {

// The 64-byte vendor report of every exchange, in both directions.
inline constexpr size_t kReportSize = 64;
inline constexpr uint8_t kReportId = 4;

namespace report_offset {
inline constexpr size_t kReportId = 0;
inline constexpr size_t kChecksum = 1;  // 16-bit little-endian sum of bytes kCommand..63
inline constexpr size_t kCommand = 3;
inline constexpr size_t kLength = 4;   // data bytes the command moves
inline constexpr size_t kAddress = 5;  // 16-bit little-endian offset in the device area
inline constexpr size_t kStatus = 7;
inline constexpr size_t kData = 8;
}  // namespace report_offset

inline constexpr size_t kReportDataSize = kReportSize - report_offset::kData;  // 56

// Answer status values that mean the device refused the request; anything else is success.
inline constexpr uint8_t kStatusError255 = 255;
inline constexpr uint8_t kStatusError254 = 254;

enum class Command : uint8_t {
    kBeginSession = 1,
    kEndSession = 2,
    kReadDeviceInfo = 3,
    kReadParams = 5,
    kWriteParams = 6,
    kReadDefaultTable = 7,
    kReadKeyTable = 8,
    kWriteKeyTable = 9,
    kWriteMacroArea = 21,
};

struct DeviceReport {
    std::array<uint8_t, kReportSize> bytes{};

    std::span<uint8_t, kReportDataSize> data() {
        return std::span(bytes).subspan<report_offset::kData, kReportDataSize>();
    }
    std::span<const uint8_t, kReportDataSize> data() const {
        return std::span(bytes).subspan<report_offset::kData, kReportDataSize>();
    }
    uint8_t status() const { return bytes[report_offset::kStatus]; }
};

// The checksum over bytes 3..63 as the device expects it.
uint16_t ReportChecksum(const DeviceReport& report);

// A zero-filled request for `command` with status 0; seal it after filling the rest.
DeviceReport MakeRequest(Command command);
// Sets the data length and the device address of a request.
void SetTransfer(DeviceReport& request, uint8_t length, uint16_t address);
// Stores the checksum; the last step of building a request.
void SealRequest(DeviceReport& request);

// The command result an answer's status byte stands for: success, or one of the status errors.
int StatusResult(const DeviceReport& answer);

}  // namespace device
