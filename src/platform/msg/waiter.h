#pragma once

#include <cstdint>
#include <memory>

#include "platform/sys/event.h"

namespace platform::msg {

// How a thread's loop sleeps until the next message or timer. A host with its own event source
// (an SDL window) replaces the default with one that waits on that source.
class Waiter {
public:
    virtual ~Waiter() = default;
    // Sleeps until Wake is called or timeoutMs passes (sys::kInfinite: no time-out). A Wake that
    // came before the call makes it return at once; one Wait consumes all earlier Wakes.
    // Returning early for other reasons is allowed: the loop re-checks its queue every time.
    virtual void Wait(uint32_t timeoutMs) = 0;
    // Called from any thread, possibly many times.
    virtual void Wake() = 0;
};

// Default waiter: poll() on an eventfd.
class EventFdWaiter final : public Waiter {
public:
    void Wait(uint32_t timeoutMs) override;
    void Wake() override;

private:
    sys::Event wake_{sys::ResetMode::kAuto};
};

std::unique_ptr<Waiter> MakeDefaultWaiter();

}  // namespace platform::msg
