#pragma once

#include <functional>
#include <thread>

#include "platform/sys/event.h"

namespace platform::sys {

// A thread that owns its manual-reset stop event. The body watches the event and returns when
// it is set. Destruction asks the body to stop and joins it.
class StoppableThread {
public:
    using Body = std::function<void(Event& stop)>;

    StoppableThread() = default;
    explicit StoppableThread(Body body);
    ~StoppableThread();
    StoppableThread(const StoppableThread&) = delete;
    StoppableThread& operator=(const StoppableThread&) = delete;

    // Starts the body; false when already running.
    bool Start(Body body);
    void RequestStop();
    // Waits up to timeoutMs for the body to return; true when it has (the thread is joined).
    bool Join(uint32_t timeoutMs = kInfinite);
    bool Running() const { return worker_.joinable(); }
    Event& stopEvent() { return stop_; }

private:
    Event stop_{ResetMode::kManual};
    Event done_{ResetMode::kManual};
    std::thread worker_;
};

}  // namespace platform::sys
