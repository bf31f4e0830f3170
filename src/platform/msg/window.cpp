#include "platform/msg/window.h"

#include <algorithm>

#include "platform/msg/messages.h"
#include "platform/msg/thread_queue.h"

namespace platform::msg {

using detail::WindowState;

HWND CreateWindow(WindowProc proc) {
    auto queue = detail::CurrentQueue();
    auto window = std::make_shared<detail::Window>();
    window->handle = detail::NewWindowHandle();
    window->thread = queue->id;
    window->ownerThread = queue->owner;
    window->queue = queue;
    window->proc = std::move(proc);
    {
        std::lock_guard lock(queue->mutex);
        queue->windows.push_back(window);
        // A thread that creates windows serves them again, even after an earlier loop ended.
        queue->loopEnded = false;
    }
    detail::RegisterWindow(window);
    if (detail::CallProc(*window, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(window->handle);
        return nullptr;
    }
    return window->handle;
}

bool DestroyWindow(HWND hwnd) {
    auto window = detail::FindWindow(hwnd);
    if (!window || window->ownerThread != std::this_thread::get_id()) {
        return false;
    }
    auto queue = window->queue.lock();
    if (!queue || window->state != WindowState::kAlive) {
        return false;
    }
    std::vector<std::shared_ptr<detail::SendRecord>> waiting;
    {
        std::lock_guard lock(queue->mutex);
        window->state = WindowState::kDestroying;
        queue->timers.KillAll(hwnd);
        std::erase_if(queue->posted, [&](const MSG& m) { return m.hwnd == hwnd; });
        auto forWindow = std::stable_partition(queue->sent.begin(), queue->sent.end(),
                                               [&](const auto& r) { return r->target != window; });
        waiting.assign(forWindow, queue->sent.end());
        queue->sent.erase(forWindow, queue->sent.end());
    }
    // Senders are released before the window's own shutdown runs, so a destroy handler that
    // waits for a sending thread cannot dead-lock with it.
    detail::FailSends(waiting);

    detail::CallProc(*window, WM_DESTROY, 0, 0);
    detail::CallProc(*window, WM_NCDESTROY, 0, 0);
    {
        std::lock_guard lock(queue->mutex);
        window->state = WindowState::kGone;
        std::erase(queue->windows, window);
    }
    detail::UnregisterWindow(hwnd);
    detail::ReleaseProcIfGone(*window);
    return true;
}

bool IsWindow(HWND hwnd) {
    return detail::FindWindow(hwnd) != nullptr;
}

ThreadId GetWindowThreadId(HWND hwnd) {
    auto window = detail::FindWindow(hwnd);
    return window ? window->thread : ThreadId::kNone;
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(hwnd);
    }
    return 0;
}

}  // namespace platform::msg
