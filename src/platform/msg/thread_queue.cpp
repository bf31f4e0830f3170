#include "platform/msg/thread_queue.h"

#include <algorithm>

namespace platform::msg::detail {
namespace {

// Process-wide lookup of windows and queues by their never-reused ids.
struct Registry {
    std::mutex mutex;
    std::unordered_map<HWND, std::shared_ptr<Window>> windows;
    std::unordered_map<ThreadId, std::weak_ptr<ThreadQueue>> queues;
    uint64_t lastWindow = 0;
    uint64_t lastThread = 0;
};

// Never destroyed: threads may still end (and unregister) while statics are torn down.
Registry& TheRegistry() {
    static Registry& registry = *new Registry;
    return registry;
}

std::vector<std::shared_ptr<SendRecord>> TakeSends(ThreadQueue& queue) {
    std::vector<std::shared_ptr<SendRecord>> taken(queue.sent.begin(), queue.sent.end());
    queue.sent.clear();
    return taken;
}

// At thread end the thread's windows die without further messages (their owners are gone),
// and senders waiting on the thread are released.
void ShutDown(ThreadQueue& queue) {
    std::vector<std::shared_ptr<Window>> windows;
    std::vector<std::shared_ptr<SendRecord>> sends;
    {
        std::lock_guard lock(queue.mutex);
        queue.loopEnded = true;
        sends = TakeSends(queue);
        windows.swap(queue.windows);
        for (auto& window : windows) {
            window->state = WindowState::kGone;
        }
        queue.posted.clear();
        queue.timers = TimerList{};
    }
    FailSends(sends);
    for (auto& window : windows) {
        UnregisterWindow(window->handle);
        ReleaseProcIfGone(*window);
    }
    std::lock_guard lock(TheRegistry().mutex);
    TheRegistry().queues.erase(queue.id);
}

struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder() {
        if (queue) {
            ShutDown(*queue);
        }
    }
};

thread_local QueueHolder tQueue;

}  // namespace

std::shared_ptr<ThreadQueue> CurrentQueue() {
    if (!tQueue.queue) {
        auto queue = std::make_shared<ThreadQueue>();
        queue->owner = std::this_thread::get_id();
        queue->waiter = MakeDefaultWaiter();
        queue->clock = std::make_shared<SteadyClock>();
        auto& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        queue->id = ThreadId{++registry.lastThread};
        registry.queues[queue->id] = queue;
        tQueue.queue = std::move(queue);
    }
    return tQueue.queue;
}

std::shared_ptr<ThreadQueue> FindQueue(ThreadId id) {
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.queues.find(id);
    return it == registry.queues.end() ? nullptr : it->second.lock();
}

HWND NewWindowHandle() {
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return HWND{++registry.lastWindow};
}

void RegisterWindow(const std::shared_ptr<Window>& window) {
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.windows[window->handle] = window;
}

void UnregisterWindow(HWND hwnd) {
    std::shared_ptr<Window> last;  // released outside the lock
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.windows.find(hwnd);
    if (it != registry.windows.end()) {
        last = std::move(it->second);
        registry.windows.erase(it);
    }
}

std::shared_ptr<Window> FindWindow(HWND hwnd) {
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.windows.find(hwnd);
    return it == registry.windows.end() ? nullptr : it->second;
}

LRESULT CallProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window.state == WindowState::kGone || !window.proc) {
        return 0;
    }
    struct Depth {
        Window& w;
        explicit Depth(Window& win) : w(win) { ++w.callDepth; }
        ~Depth() {
            --w.callDepth;
            ReleaseProcIfGone(w);
        }
    } depth(window);
    return window.proc(window.handle, message, wParam, lParam);
}

void ReleaseProcIfGone(Window& window) {
    if (window.callDepth == 0 && window.state == WindowState::kGone && window.proc) {
        WindowProc released = std::move(window.proc);
        window.proc = nullptr;
    }
}

void CompleteSend(SendRecord& record, SendOutcome outcome, LRESULT result) {
    record.result = result;
    // Keep the sender's queue alive past the store: once the outcome is visible the sender may
    // return and drop the record.
    std::shared_ptr<ThreadQueue> sender = record.sender;
    record.outcome.store(outcome, std::memory_order_release);
    std::lock_guard lock(sender->mutex);
    sender->waiter->Wake();
}

void FailSends(const std::vector<std::shared_ptr<SendRecord>>& records) {
    for (const auto& record : records) {
        CompleteSend(*record, SendOutcome::kFailed);
    }
}

bool ServeOneSent(ThreadQueue& queue) {
    std::shared_ptr<SendRecord> record;
    {
        std::lock_guard lock(queue.mutex);
        if (queue.sent.empty()) {
            return false;
        }
        record = std::move(queue.sent.front());
        queue.sent.pop_front();
    }
    if (record->target->state != WindowState::kAlive) {
        CompleteSend(*record, SendOutcome::kFailed);
    } else {
        LRESULT result = CallProc(*record->target, record->message, record->wParam, record->lParam);
        CompleteSend(*record, SendOutcome::kHandled, result);
    }
    return true;
}

void EndLoop(ThreadQueue& queue) {
    std::vector<std::shared_ptr<SendRecord>> sends;
    {
        std::lock_guard lock(queue.mutex);
        queue.loopEnded = true;
        sends = TakeSends(queue);
    }
    FailSends(sends);
}

}  // namespace platform::msg::detail
