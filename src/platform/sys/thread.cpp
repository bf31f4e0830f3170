#include "platform/sys/thread.h"

namespace platform::sys {

StoppableThread::StoppableThread(Body body) { Start(std::move(body)); }

StoppableThread::~StoppableThread() {
    RequestStop();
    Join();
}

bool StoppableThread::Start(Body body) {
    if (worker_.joinable()) {
        return false;
    }
    stop_.Reset();
    done_.Reset();
    worker_ = std::thread([this, body = std::move(body)] {
        body(stop_);
        done_.Set();
    });
    return true;
}

void StoppableThread::RequestStop() { stop_.Set(); }

bool StoppableThread::Join(uint32_t timeoutMs) {
    if (!worker_.joinable()) {
        return true;
    }
    if (WaitForSingleObject(done_, timeoutMs) != kWaitObject0) {
        return false;
    }
    worker_.join();
    return true;
}

}  // namespace platform::sys
