#include "platform/msg/message_loop.h"

#include <algorithm>
#include <vector>

#include "platform/msg/messages.h"
#include "platform/msg/thread_queue.h"
#include "platform/msg/window.h"

namespace platform::msg {
namespace {

using detail::ThreadQueue;

enum class Took { kMessage, kSentOnly, kNothing };

// The calling thread's modal-loop watches, oldest first.
thread_local std::vector<ModalLoopWatch*> modalWatches;

// Serves waiting sent messages, then takes the next posted message, quit request or due timer.
// With nothing ready, waitMs tells how long the loop may sleep.
Took TakeNext(ThreadQueue& queue, MSG& msg, uint32_t& waitMs) {
    bool served = false;
    while (detail::ServeOneSent(queue)) {
        served = true;
    }
    std::lock_guard lock(queue.mutex);
    if (!queue.posted.empty()) {
        msg = std::move(queue.posted.front());
        queue.posted.pop_front();
        return Took::kMessage;
    }
    if (queue.quitPending) {
        queue.quitPending = false;
        msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, {}};
        return Took::kMessage;
    }
    uint64_t now = queue.clock->NowMs();
    if (auto fired = queue.timers.TakeDue(now)) {
        msg = MSG{fired->hwnd, WM_TIMER, fired->id, 0, {}};
        return Took::kMessage;
    }
    auto next = queue.timers.TimeToNext(now);
    waitMs = next ? static_cast<uint32_t>(std::min<uint64_t>(*next, sys::kInfinite - 1))
                  : sys::kInfinite;
    return served ? Took::kSentOnly : Took::kNothing;
}

// Waits until a message is taken or, when returnAfterSent is set, until sent messages were
// served (a modal loop's end condition may have changed).
Took WaitNext(ThreadQueue& queue, MSG& msg, bool returnAfterSent) {
    for (;;) {
        uint32_t waitMs = sys::kInfinite;
        Took took = TakeNext(queue, msg, waitMs);
        if (took == Took::kMessage || (took == Took::kSentOnly && returnAfterSent)) {
            return took;
        }
        if (took == Took::kNothing) {
            queue.waiter->Wait(waitMs);
        }
    }
}

bool IsQuit(const MSG& msg) {
    return msg.message == WM_QUIT && !msg.hwnd && !msg.task;
}

// One loop level above the caller; restored on every way out.
struct ModalLevel {
    ThreadQueue& queue;
    explicit ModalLevel(ThreadQueue& q) : queue(q) { ++queue.modalDepth; }
    ~ModalLevel() { --queue.modalDepth; }
};

// end() reports whether (and how) the loop is over before each wait and after each message.
template <typename EndCheck>
ModalOutcome RunNested(EndCheck end) {
    auto queue = detail::CurrentQueue();
    ModalLevel level(*queue);
    for (;;) {
        if (auto outcome = end(*queue)) {
            return *outcome;
        }
        MSG msg;
        if (WaitNext(*queue, msg, true) != Took::kMessage) {
            continue;
        }
        if (IsQuit(msg)) {
            // The enclosing loop must see the quit too, as it would without the modal loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return {ModalEnd::kQuit, 0};
        }
        DispatchMessage(msg);
    }
}

}  // namespace

void SetCurrentThreadWaiter(std::unique_ptr<Waiter> waiter) {
    if (!waiter) {
        return;
    }
    auto queue = detail::CurrentQueue();
    std::lock_guard lock(queue->mutex);
    queue->waiter.swap(waiter);
}

void SetCurrentThreadClock(std::shared_ptr<const Clock> clock) {
    if (!clock) {
        return;
    }
    auto queue = detail::CurrentQueue();
    std::lock_guard lock(queue->mutex);
    queue->clock = std::move(clock);
}

void PostQuitMessage(int exitCode) {
    auto queue = detail::CurrentQueue();
    std::lock_guard lock(queue->mutex);
    queue->quitPending = true;
    queue->quitCode = exitCode;
}

bool GetMessage(MSG& msg) {
    auto queue = detail::CurrentQueue();
    if (queue->modalDepth == 0) {
        std::lock_guard lock(queue->mutex);
        queue->loopEnded = false;
    }
    WaitNext(*queue, msg, false);
    if (msg.message != WM_QUIT) {
        return true;
    }
    if (queue->modalDepth == 0) {
        detail::EndLoop(*queue);
    }
    return false;
}

bool PeekMessage(MSG& msg) {
    uint32_t waitMs = 0;
    return TakeNext(*detail::CurrentQueue(), msg, waitMs) == Took::kMessage;
}

LRESULT DispatchMessage(const MSG& msg) {
    if (!msg.hwnd) {
        if (msg.task) {
            msg.task();
        }
        return 0;
    }
    auto window = detail::FindWindow(msg.hwnd);
    if (!window || window->ownerThread != std::this_thread::get_id() ||
        window->state != detail::WindowState::kAlive) {
        return 0;
    }
    if (msg.task) {
        msg.task();
        return 0;
    }
    return detail::CallProc(*window, msg.message, msg.wParam, msg.lParam);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessage(msg)) {
        DispatchMessage(msg);
    }
    return static_cast<int>(msg.wParam);
}

ModalLoopWatch::ModalLoopWatch(std::function<void(HWND)> started) : started_(std::move(started)) {
    modalWatches.push_back(this);
}

ModalLoopWatch::~ModalLoopWatch() {
    std::erase(modalWatches, this);
}

ModalOutcome RunModalLoop(HWND hwnd) {
    // A watcher may end its watch from inside its call: tell a snapshot, skipping the gone.
    const std::vector<ModalLoopWatch*> watches = modalWatches;
    for (ModalLoopWatch* watch : watches) {
        if (std::ranges::find(modalWatches, watch) != modalWatches.end()) {
            watch->started_(hwnd);
        }
    }
    return RunNested([hwnd](ThreadQueue& queue) -> std::optional<ModalOutcome> {
        if (auto it = queue.modalEnds.find(hwnd); it != queue.modalEnds.end()) {
            LRESULT result = it->second;
            queue.modalEnds.erase(it);
            return ModalOutcome{ModalEnd::kEnded, result};
        }
        if (!IsWindow(hwnd)) {
            return ModalOutcome{ModalEnd::kWindowGone, 0};
        }
        return std::nullopt;
    });
}

ModalOutcome RunModalLoop(const std::function<bool()>& done) {
    return RunNested([&done](ThreadQueue&) -> std::optional<ModalOutcome> {
        if (done()) {
            return ModalOutcome{ModalEnd::kEnded, 0};
        }
        return std::nullopt;
    });
}

void EndModal(HWND hwnd, LRESULT result) {
    detail::CurrentQueue()->modalEnds[hwnd] = result;
}

}  // namespace platform::msg
