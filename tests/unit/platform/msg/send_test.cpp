#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <optional>
#include <thread>

#include "loop_fixture.h"
#include "platform/msg/post.h"

namespace platform::msg {
namespace {

using testing::OnFreshThread;
using testing::Reaper;
using testing::TestWindow;
using testing::Watchdog;

TEST(SendTest, OnTheOwnThreadItIsADirectCallThatMayNest) {
    OnFreshThread([] {
        HWND self;
        TestWindow window([&](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_USER && wParam > 0) {
                return lParam + SendMessage(self, WM_USER, wParam - 1, lParam);
            }
            return 0;
        });
        self = window.hwnd();
        EXPECT_EQ(TrySendMessage(self, WM_USER, 3, 5), 15);
    });
}

TEST(SendTest, FromAnotherThreadTheSenderGetsTheResultOfTheOwnerThreadsHandler) {
    OnFreshThread([] {
        Watchdog watchdog;
        Reaper reaper(5000);
        const auto ui = std::this_thread::get_id();
        std::atomic<bool> ranOnUi{false};
        TestWindow window([&](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_USER) {
                ranOnUi = std::this_thread::get_id() == ui;
                return static_cast<LRESULT>(wParam * 2);
            }
            return 0;
        });
        const HWND hwnd = window.hwnd();
        std::optional<LRESULT> result;
        std::thread sender([&] {
            result = TrySendMessage(hwnd, WM_USER, 21, 0);
            PostTask(hwnd, [] { PostQuitMessage(0); });
        });
        RunMessageLoop();
        sender.join();
        EXPECT_EQ(result, 42);
        EXPECT_TRUE(ranOnUi);
    });
}

TEST(SendTest, ASenderWaitingOnAWindowThatIsDestroyedIsReleasedWithAFailure) {
    OnFreshThread([] {
        Watchdog watchdog;
        sys::Event sendQueued(sys::ResetMode::kAuto);
        SetCurrentThreadWaiter(std::make_unique<testing::ObservedWaiter>(sendQueued));
        bool handled = false;
        auto window = std::make_unique<TestWindow>([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            handled = handled || message == WM_USER;
            return 1;
        });
        const HWND hwnd = window->hwnd();
        std::optional<LRESULT> result = 0;
        std::thread sender([&] { result = TrySendMessage(hwnd, WM_USER, 0, 0); });
        // The UI thread is busy (not in a loop) until the send is queued, then destroys.
        sys::WaitForSingleObject(sendQueued, sys::kInfinite);
        window.reset();
        sender.join();
        EXPECT_EQ(result, std::nullopt);
        EXPECT_FALSE(handled);
    });
}

TEST(SendTest, SendersAreReleasedWhenTheOwnerThreadEndsOrItsLoopHasEnded) {
    Watchdog watchdog;
    sys::Event sendQueued(sys::ResetMode::kAuto);
    std::promise<HWND> ownerWindow;
    std::thread owner([&] {
        SetCurrentThreadWaiter(std::make_unique<testing::ObservedWaiter>(sendQueued));
        ownerWindow.set_value(
            CreateWindow([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 1; }));
        // Ends without ever serving the queued send.
        sys::WaitForSingleObject(sendQueued, sys::kInfinite);
    });
    EXPECT_EQ(TrySendMessage(ownerWindow.get_future().get(), WM_USER, 0, 0), std::nullopt);
    owner.join();

    OnFreshThread([] {
        TestWindow window([](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
        const HWND live = window.hwnd();
        PostQuitMessage(0);
        RunMessageLoop();
        // The window still exists, but nobody will serve it any more: fail instead of blocking.
        std::optional<LRESULT> result = 0;
        std::thread late([&] { result = TrySendMessage(live, WM_USER, 0, 0); });
        late.join();
        EXPECT_EQ(result, std::nullopt);
    });
}

TEST(SendTest, ADestroyHandlerCanWaitForAThreadThatKeepsSendingToTheWindow) {
    OnFreshThread([] {
        Watchdog watchdog;
        Reaper reaper(5000);
        std::atomic<int> handled{0};
        sys::StoppableThread worker;
        TestWindow window([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_USER) {
                ++handled;
            } else if (message == WM_DESTROY) {
                worker.RequestStop();
                EXPECT_TRUE(worker.Join(3000)) << "the sender stayed blocked";
                PostQuitMessage(0);
            }
            return 1;
        });
        const HWND hwnd = window.hwnd();
        // Like a sync thread: keeps sending until the window is gone.
        worker.Start([hwnd](sys::Event&) {
            while (TrySendMessage(hwnd, WM_USER, 0, 0)) {
            }
        });
        TestWindow closer([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_TIMER && handled >= 20) {
                DestroyWindow(hwnd);
            }
            return 0;
        });
        SetTimer(closer.hwnd(), 1, 10);
        RunMessageLoop();
        EXPECT_GT(handled, 0);
    });
}

TEST(SendTest, TwoThreadsSendingToEachOtherDoNotDeadLock) {
    OnFreshThread([] {
        Watchdog watchdog;
        Reaper reaper(5000);
        std::promise<HWND> peerWindow;
        TestWindow uiWindow([](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            return message == WM_USER ? static_cast<LRESULT>(wParam + 1) : 0;
        });
        const HWND uiHwnd = uiWindow.hwnd();
        std::optional<LRESULT> peerGot;
        std::thread peer([&] {
            // The peer's window handler sends back to the UI thread while the UI thread is
            // itself blocked sending to the peer.
            TestWindow own([uiHwnd](UINT message, WPARAM wParam, LPARAM) {
                return message == WM_USER ? SendMessage(uiHwnd, WM_USER, wParam * 10, 0)
                                          : LRESULT{0};
            });
            peerWindow.set_value(own.hwnd());
            RunMessageLoop();
        });
        const HWND peerHwnd = peerWindow.get_future().get();
        peerGot = TrySendMessage(peerHwnd, WM_USER, 4, 0);
        PostThreadMessage(GetWindowThreadId(peerHwnd), WM_QUIT, 0, 0);
        peer.join();
        EXPECT_EQ(peerGot, 41);
    });
}

}  // namespace
}  // namespace platform::msg
