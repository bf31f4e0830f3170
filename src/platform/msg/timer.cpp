#include "platform/msg/timer.h"

#include <algorithm>

#include "platform/msg/thread_queue.h"

namespace platform::msg {

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, uint32_t elapseMs) {
    auto window = detail::FindWindow(hwnd);
    auto queue = window ? window->queue.lock() : nullptr;
    if (!queue) {
        return 0;
    }
    std::lock_guard lock(queue->mutex);
    if (window->state != detail::WindowState::kAlive) {
        return 0;
    }
    queue->timers.Set(hwnd, id, std::max(elapseMs, kMinimumTimerMs), queue->clock->NowMs());
    // The loop may be sleeping towards a later deadline.
    queue->WakeLocked();
    return id;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
    auto window = detail::FindWindow(hwnd);
    auto queue = window ? window->queue.lock() : nullptr;
    if (!queue) {
        return false;
    }
    std::lock_guard lock(queue->mutex);
    return queue->timers.Kill(hwnd, id);
}

}  // namespace platform::msg
