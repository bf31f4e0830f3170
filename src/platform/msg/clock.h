#pragma once

#include <atomic>
#include <cstdint>

namespace platform::msg {

// Millisecond time source of the timers. Must be safe to read from any thread.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint64_t NowMs() const = 0;
};

// The monotonic system clock.
class SteadyClock final : public Clock {
public:
    uint64_t NowMs() const override;
};

// Time that moves only when told to; lets tests step timer logic deterministically.
class ManualClock final : public Clock {
public:
    explicit ManualClock(uint64_t startMs = 0) : now_(startMs) {}
    uint64_t NowMs() const override { return now_.load(std::memory_order_acquire); }
    void Advance(uint64_t ms) { now_.fetch_add(ms, std::memory_order_acq_rel); }
    void Set(uint64_t ms) { now_.store(ms, std::memory_order_release); }

private:
    std::atomic<uint64_t> now_;
};

}  // namespace platform::msg
