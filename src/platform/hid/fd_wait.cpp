#include "platform/hid/fd_wait.h"

#include <cerrno>
#include <vector>

namespace platform::hid {

Deadline::Deadline(uint32_t timeoutMs)
    : forever_(timeoutMs == sys::kInfinite),
      end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(forever_ ? 0 : timeoutMs)) {
}

int Deadline::PollTimeout() const {
    if (forever_) {
        return -1;
    }
    const auto left = end_ - std::chrono::steady_clock::now();
    if (left <= left.zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left);
    return static_cast<int>(ms.count());
}

bool Deadline::Passed() const {
    return !forever_ && std::chrono::steady_clock::now() >= end_;
}

FdWait WaitForFds(sys::Event& abort, std::span<pollfd> fds, const Deadline& deadline) {
    std::vector<pollfd> all;
    all.reserve(fds.size() + 1);
    all.push_back(pollfd{abort.fd(), POLLIN, 0});
    all.insert(all.end(), fds.begin(), fds.end());
    for (;;) {
        const int n = poll(all.data(), all.size(), deadline.PollTimeout());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FdWait::kFailed;
        }
        // The abort event is only ours once acquired: another waiter may consume it first.
        if ((all[0].revents & POLLIN) && abort.TryAcquire()) {
            return FdWait::kAborted;
        }
        bool ready = false;
        for (size_t i = 0; i < fds.size(); ++i) {
            fds[i].revents = all[i + 1].revents;
            ready = ready || fds[i].revents != 0;
        }
        if (ready) {
            return FdWait::kReady;
        }
        if (deadline.Passed()) {
            return FdWait::kTimeout;
        }
    }
}

std::optional<IoStatus> EndOfTransfer(FdWait wait) {
    switch (wait) {
        case FdWait::kAborted:
            return IoStatus::kAborted;
        case FdWait::kTimeout:
            return IoStatus::kTimeout;
        case FdWait::kFailed:
            return IoStatus::kIoError;
        case FdWait::kReady:
            break;
    }
    return std::nullopt;
}

}  // namespace platform::hid
