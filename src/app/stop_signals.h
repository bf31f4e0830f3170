#pragma once

#include <functional>

#include "platform/sys/thread.h"

namespace app {

// Turns SIGINT and SIGTERM into a call of onStop on a thread of its own, so that a headless run
// ends through the window's normal stop path. Construct it before any other thread starts: the
// signals are blocked for the calling thread and every thread it starts afterwards.
class StopSignals {
public:
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    void Watch(platform::sys::Event& stop);

    int fd_ = -1;
    std::function<void()> onStop_;
    platform::sys::StoppableThread thread_;
};

}  // namespace app
