#include "devsim/input_queue.h"

#include <algorithm>

#include "platform/sys/clock.h"

namespace devsim {

using platform::hid::IoStatus;
using platform::sys::Event;

void InputQueue::Push(std::span<const uint8_t> report, uint64_t readyAt) {
    std::lock_guard lock(mutex_);
    if (disconnected_) {
        return;
    }
    if (!entries_.empty()) {
        readyAt = std::max(readyAt, entries_.back().readyAt);
    }
    if (entries_.size() == kCapacity) {
        entries_.pop_front();
    }
    entries_.push_back({readyAt, {report.begin(), report.end()}});
    changed_.Set();
}

void InputQueue::Disconnect() {
    std::lock_guard lock(mutex_);
    disconnected_ = true;
    entries_.clear();
    changed_.Set();
}

bool InputQueue::disconnected() const {
    std::lock_guard lock(mutex_);
    return disconnected_;
}

IoStatus InputQueue::Pop(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                         Event& abort) {
    bytesRead = 0;
    const bool forever = timeoutMs == platform::sys::kInfinite;
    const uint64_t deadline = platform::sys::GetTickCount64() + timeoutMs;
    for (;;) {
        uint64_t waitMs;
        {
            std::lock_guard lock(mutex_);
            changed_.Reset();
            if (disconnected_) {
                return IoStatus::kDisconnected;
            }
            const uint64_t now = platform::sys::GetTickCount64();
            if (!entries_.empty() && entries_.front().readyAt <= now) {
                const std::vector<uint8_t>& bytes = entries_.front().bytes;
                bytesRead = std::min(buffer.size(), bytes.size());
                std::copy_n(bytes.begin(), bytesRead, buffer.begin());
                entries_.pop_front();
                return IoStatus::kOk;
            }
            if (!forever && now >= deadline) {
                return IoStatus::kTimeout;
            }
            waitMs = forever ? platform::sys::kInfinite : deadline - now;
            if (!entries_.empty()) {
                waitMs = std::min(waitMs, entries_.front().readyAt - now);
            }
        }
        Event* const events[] = {&abort, &changed_};
        if (platform::sys::WaitForMultipleObjects(events, static_cast<uint32_t>(waitMs)) ==
            platform::sys::kWaitObject0) {
            return IoStatus::kAborted;
        }
    }
}

}  // namespace devsim
