#pragma once

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/msg/clock.h"
#include "platform/msg/timer_list.h"
#include "platform/msg/types.h"
#include "platform/msg/waiter.h"

// Shared state behind the message functions. Each thread that uses windows or loops owns one
// ThreadQueue; windows, sends and posts from other threads reach it through the registry.
namespace platform::msg::detail {

struct ThreadQueue;

enum class WindowState { kAlive, kDestroying, kGone };

struct Window {
    HWND handle;
    ThreadId thread = ThreadId::kNone;
    std::thread::id ownerThread;
    std::weak_ptr<ThreadQueue> queue;
    // Touched on the owner thread only.
    WindowProc proc;
    int callDepth = 0;
    // Written on the owner thread under the queue's mutex; other threads read it under the mutex.
    WindowState state = WindowState::kAlive;
};

enum class SendOutcome { kPending, kHandled, kFailed };

// A message sent from another thread; the sender waits until `outcome` leaves kPending.
struct SendRecord {
    std::shared_ptr<Window> target;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::shared_ptr<ThreadQueue> sender;
    LRESULT result = 0;  // written before outcome is released
    std::atomic<SendOutcome> outcome{SendOutcome::kPending};
};

struct ThreadQueue {
    ThreadId id = ThreadId::kNone;
    std::thread::id owner;

    std::mutex mutex;
    // Guarded by mutex.
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SendRecord>> sent;
    TimerList timers;
    bool quitPending = false;
    int quitCode = 0;
    bool loopEnded = false;
    std::vector<std::shared_ptr<Window>> windows;
    std::shared_ptr<const Clock> clock;
    // Replaced only by the owner under mutex; others call Wake under mutex.
    std::unique_ptr<Waiter> waiter;

    // Owner thread only.
    int modalDepth = 0;
    std::unordered_map<HWND, LRESULT> modalEnds;

    bool OwnedByCaller() const { return owner == std::this_thread::get_id(); }
    // Call with mutex held. Posts from the owner thread need no wake-up: it is not waiting.
    void WakeLocked() {
        if (!OwnedByCaller()) {
            waiter->Wake();
        }
    }
};

// The calling thread's queue, created on first use and shut down when the thread ends.
std::shared_ptr<ThreadQueue> CurrentQueue();
std::shared_ptr<ThreadQueue> FindQueue(ThreadId id);

HWND NewWindowHandle();
void RegisterWindow(const std::shared_ptr<Window>& window);
void UnregisterWindow(HWND hwnd);
std::shared_ptr<Window> FindWindow(HWND hwnd);

// Runs fn(queue) with the window's queue locked, if the window is alive; from any thread.
// Returns fn's result, or false for a window that is dead or being destroyed.
template <typename Fn>
bool WithLiveWindowLocked(HWND hwnd, Fn&& fn) {
    auto window = FindWindow(hwnd);
    auto queue = window ? window->queue.lock() : nullptr;
    if (!queue) {
        return false;
    }
    std::lock_guard lock(queue->mutex);
    return window->state == WindowState::kAlive && fn(*queue);
}

// Calls the window procedure on the owner thread; the procedure object is released once the
// window is gone and no call of it is running any more.
LRESULT CallProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
void ReleaseProcIfGone(Window& window);

// Ends a send and wakes its sender.
void CompleteSend(SendRecord& record, SendOutcome outcome, LRESULT result = 0);
void FailSends(const std::vector<std::shared_ptr<SendRecord>>& records);
// Handles one message sent to this (the calling) thread; false when none was waiting.
bool ServeOneSent(ThreadQueue& queue);

// Marks the loop as ended and releases every waiting sender.
void EndLoop(ThreadQueue& queue);

}  // namespace platform::msg::detail
