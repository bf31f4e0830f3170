#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/msg/clock.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "platform/msg/waiter.h"
#include "platform/msg/window.h"
#include "platform/sys/event.h"
#include "platform/sys/thread.h"

namespace platform::msg::testing {

// Aborts the whole test binary if a test is still running after the time-out: a dead-locked
// sender cannot be unblocked from inside the test.
class Watchdog {
public:
    explicit Watchdog(uint32_t timeoutMs = 10000)
        : thread_([timeoutMs](sys::Event& stop) {
              if (sys::WaitForSingleObject(stop, timeoutMs) == sys::kWaitTimeout) {
                  std::fprintf(stderr, "watchdog: test still blocked after %u ms\n", timeoutMs);
                  std::abort();
              }
          }) {}

private:
    sys::StoppableThread thread_;
};

// Fails the test and ends the loop (instead of hanging) if the loop is still running when its
// timer comes due.
class Reaper {
public:
    explicit Reaper(uint32_t timeoutMs)
        : hwnd_(CreateWindow([](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
              if (message == WM_TIMER) {
                  ADD_FAILURE() << "reaper: the loop did not finish in time";
                  PostQuitMessage(-1);
              }
              return 0;
          })) {
        SetTimer(hwnd_, 1, timeoutMs);
    }
    ~Reaper() { DestroyWindow(hwnd_); }
    Reaper(const Reaper&) = delete;
    Reaper& operator=(const Reaper&) = delete;

private:
    HWND hwnd_;
};

// Runs loops in virtual time: each wait advances the manual clock by its time-out at once and
// is recorded, so tests see exactly how long the loop meant to sleep.
class VirtualTimeWaiter final : public Waiter {
public:
    VirtualTimeWaiter(std::shared_ptr<ManualClock> clock, std::vector<uint32_t>& waits)
        : clock_(std::move(clock)), waits_(waits) {}
    void Wait(uint32_t timeoutMs) override {
        waits_.push_back(timeoutMs);
        if (timeoutMs == sys::kInfinite) {
            ADD_FAILURE() << "the loop would sleep forever";
            PostQuitMessage(-1);
            return;
        }
        clock_->Advance(timeoutMs);
    }
    void Wake() override {}

private:
    std::shared_ptr<ManualClock> clock_;
    std::vector<uint32_t>& waits_;
};

// The default waiter, plus an event set on every cross-thread wake-up: a test can tell that a
// message from another thread has been queued.
class ObservedWaiter final : public Waiter {
public:
    explicit ObservedWaiter(sys::Event& woken) : woken_(woken) {}
    void Wait(uint32_t timeoutMs) override { inner_.Wait(timeoutMs); }
    void Wake() override {
        inner_.Wake();
        woken_.Set();
    }

private:
    EventFdWaiter inner_;
    sys::Event& woken_;
};

// A window whose procedure runs the test's handler, returning 0 when there is none.
class TestWindow {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;
    explicit TestWindow(Handler handler = {})
        : handler_(std::move(handler)),
          hwnd_(CreateWindow([this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
              return handler_ ? handler_(message, wParam, lParam) : 0;
          })) {}
    ~TestWindow() {
        handler_ = nullptr;  // the test's locals may already be gone
        DestroyWindow(hwnd_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    void SetHandler(Handler handler) { handler_ = std::move(handler); }

private:
    Handler handler_;
    HWND hwnd_;
};

// Each loop test runs on a fresh thread, so it starts with an empty queue, the default clock
// and waiter, and no windows of earlier tests.
inline void OnFreshThread(const std::function<void()>& body) {
    std::thread thread(body);
    thread.join();
}

struct VirtualTime {
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::vector<uint32_t> waits;  // every sleep the loop asked for
};

// Runs the body on a fresh thread whose timers and sleeps use virtual time starting at 0,
// with a reaper one virtual minute out.
inline void InVirtualTime(const std::function<void(VirtualTime&)>& body) {
    OnFreshThread([&body] {
        VirtualTime time;
        SetCurrentThreadClock(time.clock);
        SetCurrentThreadWaiter(std::make_unique<VirtualTimeWaiter>(time.clock, time.waits));
        Reaper reaper(60000);
        body(time);
    });
}

}  // namespace platform::msg::testing
