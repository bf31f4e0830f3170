#include "platform/sys/event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <vector>

namespace platform::sys {

Event::Event(ResetMode mode, bool initiallySet)
    : mode_(mode), fd_(eventfd(initiallySet ? 1 : 0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0) {
        throw std::runtime_error("eventfd failed");
    }
}

Event::~Event() { close(fd_); }

void Event::Set() {
    // The counter only matters as zero / non-zero; adding to a set event keeps it set.
    uint64_t one = 1;
    ssize_t written;
    do {
        written = write(fd_, &one, sizeof one);
    } while (written < 0 && errno == EINTR);
}

void Event::Reset() {
    uint64_t value;
    ssize_t got;
    do {
        got = read(fd_, &value, sizeof value);
    } while (got < 0 && errno == EINTR);
}

bool Event::TryAcquire() {
    if (mode_ == ResetMode::kManual) {
        return IsSet();
    }
    // Reading an eventfd zeroes it atomically: exactly one caller gets the value.
    uint64_t value;
    ssize_t got;
    do {
        got = read(fd_, &value, sizeof value);
    } while (got < 0 && errno == EINTR);
    return got == sizeof value;
}

bool Event::IsSet() const {
    pollfd p{fd_, POLLIN, 0};
    int n;
    do {
        n = poll(&p, 1, 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 && (p.revents & POLLIN);
}

uint32_t WaitForMultipleObjects(std::span<Event* const> events, uint32_t timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const bool forever = timeoutMs == kInfinite;
    const auto deadline = Clock::now() + std::chrono::milliseconds(forever ? 0 : timeoutMs);
    std::vector<pollfd> fds(events.size());
    for (size_t i = 0; i < events.size(); ++i) {
        fds[i] = pollfd{events[i]->fd(), POLLIN, 0};
    }
    for (;;) {
        int waitMs = -1;
        if (!forever) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            // Round up so that a wait never ends before its time-out.
            waitMs = left.count() < 0 ? 0 : static_cast<int>(left.count());
            if (Clock::now() + std::chrono::milliseconds(waitMs) < deadline) {
                ++waitMs;
            }
        }
        int n = poll(fds.data(), fds.size(), waitMs);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return kWaitFailed;
        }
        for (size_t i = 0; i < events.size(); ++i) {
            // Another waiter may consume an auto-reset event first: then look further.
            if ((fds[i].revents & POLLIN) && events[i]->TryAcquire()) {
                return kWaitObject0 + static_cast<uint32_t>(i);
            }
        }
        if (!forever && Clock::now() >= deadline) {
            return kWaitTimeout;
        }
    }
}

uint32_t WaitForSingleObject(Event& event, uint32_t timeoutMs) {
    Event* one[] = {&event};
    return WaitForMultipleObjects(one, timeoutMs);
}

}  // namespace platform::sys
