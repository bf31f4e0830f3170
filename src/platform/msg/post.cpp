#include "platform/msg/post.h"

#include "platform/msg/thread_queue.h"

namespace platform::msg {
namespace {

using detail::SendOutcome;
using detail::WindowState;

// Appends to the window's queue unless the window is being destroyed or gone.
bool PostToWindow(HWND hwnd, MSG msg) {
    return detail::WithLiveWindowLocked(hwnd, [&](detail::ThreadQueue& queue) {
        queue.posted.push_back(std::move(msg));
        queue.WakeLocked();
        return true;
    });
}

bool PostToThread(ThreadId thread, MSG msg) {
    auto queue = detail::FindQueue(thread);
    if (!queue) {
        return false;
    }
    std::lock_guard lock(queue->mutex);
    queue->posted.push_back(std::move(msg));
    queue->WakeLocked();
    return true;
}

// Blocks until the owner thread has handled the record or it was released. Messages sent to
// the caller's own windows are served meanwhile.
std::optional<LRESULT> AwaitSend(detail::SendRecord& record, detail::ThreadQueue& self) {
    for (;;) {
        SendOutcome outcome = record.outcome.load(std::memory_order_acquire);
        if (outcome == SendOutcome::kHandled) {
            return record.result;
        }
        if (outcome == SendOutcome::kFailed) {
            return std::nullopt;
        }
        if (!detail::ServeOneSent(self)) {
            self.waiter->Wait(sys::kInfinite);
        }
    }
}

}  // namespace

ThreadId GetCurrentThreadId() {
    return detail::CurrentQueue()->id;
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostToWindow(hwnd, MSG{hwnd, message, wParam, lParam, {}});
}

bool PostThreadMessage(ThreadId thread, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostToThread(thread, MSG{nullptr, message, wParam, lParam, {}});
}

bool PostTask(HWND hwnd, Task task) {
    return task && PostToWindow(hwnd, MSG{hwnd, 0, 0, 0, std::move(task)});
}

bool PostTask(ThreadId thread, Task task) {
    return task && PostToThread(thread, MSG{nullptr, 0, 0, 0, std::move(task)});
}

std::optional<LRESULT> TrySendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto window = detail::FindWindow(hwnd);
    if (!window) {
        return std::nullopt;
    }
    if (window->ownerThread == std::this_thread::get_id()) {
        if (window->state == WindowState::kGone) {
            return std::nullopt;
        }
        return detail::CallProc(*window, message, wParam, lParam);
    }
    auto record = std::make_shared<detail::SendRecord>();
    record->target = window;
    record->message = message;
    record->wParam = wParam;
    record->lParam = lParam;
    record->sender = detail::CurrentQueue();
    bool queued = detail::WithLiveWindowLocked(hwnd, [&](detail::ThreadQueue& queue) {
        if (queue.loopEnded) {
            return false;
        }
        queue.sent.push_back(record);
        queue.WakeLocked();
        return true;
    });
    if (!queued) {
        return std::nullopt;
    }
    return AwaitSend(*record, *record->sender);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return TrySendMessage(hwnd, message, wParam, lParam).value_or(0);
}

}  // namespace platform::msg
