#include "device/exchange.h"

#include "device/result_codes.h"

namespace device {
namespace {

// Bounds the discarding so a device that streams reports cannot hold the sender forever.
constexpr int kMaxStaleAnswers = 16;

// Answers that a timed-out earlier request left queued would otherwise be taken for the answer
// to the request about to be written.
void DiscardStaleAnswers(platform::hid::HidInterface& hid) {
    DeviceReport stale;
    uint32_t bytesRead = 0;
    for (int discarded = 0; discarded < kMaxStaleAnswers; ++discarded) {
        if (platform::hid::ReadReport(hid, stale.bytes, 0, bytesRead) != 1) {
            return;
        }
    }
}

bool WriteRequest(DeviceLink& link, const DeviceReport& request) {
    platform::sys::LockGuard guard(link.transferLock);
    DiscardStaleAnswers(link.hid);
    uint32_t bytesWritten = 0;
    return platform::hid::WriteReport(link.hid, request.bytes, bytesWritten) == 1;
}

bool ReadAnswer(DeviceLink& link, DeviceReport& answer) {
    platform::sys::LockGuard guard(link.transferLock);
    uint32_t bytesRead = 0;
    return platform::hid::ReadReport(link.hid, answer.bytes, kAnswerTimeoutMs, bytesRead) == 1;
}

}  // namespace

int Exchange(DeviceLink& link, const DeviceReport& request, DeviceReport& answer) {
    if (!link.connected) {
        return kResultNoAnswer;
    }
    // The lock is taken for the write and for the read separately, so that a presence monitor's
    // pass can run between them.
    for (int attempt = 0; attempt < kExchangeAttempts; ++attempt) {
        if (!WriteRequest(link, request)) {
            return kResultWriteFailed;
        }
        if (ReadAnswer(link, answer)) {
            return kResultSuccess;
        }
    }
    return kResultNoAnswer;
}

}  // namespace device
