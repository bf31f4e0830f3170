#pragma once

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/hid/hid_backend.h"
#include "platform/sys/event.h"

namespace platform::hid {

// The end of a transfer's time-out (sys::kInfinite: none).
class Deadline {
public:
    explicit Deadline(uint32_t timeoutMs);
    // Milliseconds for poll(), rounded up so that a wait never ends early; -1 for none.
    int PollTimeout() const;
    bool Passed() const;

private:
    bool forever_;
    std::chrono::steady_clock::time_point end_;
};

enum class FdWait { kAborted, kReady, kTimeout, kFailed };

// Waits until `abort` is signalled (which consumes it and wins over ready descriptors), one of
// `fds` reports an event in revents, or the deadline passes.
FdWait WaitForFds(sys::Event& abort, std::span<pollfd> fds, const Deadline& deadline);

// How a transfer ends after a wait; nothing when the descriptors are ready to move bytes.
std::optional<IoStatus> EndOfTransfer(FdWait wait);

}  // namespace platform::hid
