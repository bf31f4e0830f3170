#include "platform/msg/timer.h"

#include <algorithm>

#include "platform/msg/thread_queue.h"

namespace platform::msg {

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, uint32_t elapseMs) {
    bool set = detail::WithLiveWindowLocked(hwnd, [&](detail::ThreadQueue& queue) {
        queue.timers.Set(hwnd, id, std::max(elapseMs, kMinimumTimerMs), queue.clock->NowMs());
        // The loop may be sleeping towards a later deadline.
        queue.WakeLocked();
        return true;
    });
    return set ? id : 0;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
    return detail::WithLiveWindowLocked(
        hwnd, [&](detail::ThreadQueue& queue) { return queue.timers.Kill(hwnd, id); });
}

}  // namespace platform::msg
