#include "platform/msg/post.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "loop_fixture.h"

namespace platform::msg {
namespace {

using testing::OnFreshThread;
using testing::Reaper;
using testing::TestWindow;

TEST(PostTest, MessagesTasksAndThreadMessagesRunInPostingOrderBeforeTheQuit) {
    OnFreshThread([] {
        Reaper reaper(5000);
        std::vector<std::string> log;
        TestWindow window([&](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message >= WM_USER) {
                log.push_back("msg" + std::to_string(wParam));
            }
            return 0;
        });
        const HWND hwnd = window.hwnd();
        const ThreadId self = GetCurrentThreadId();
        EXPECT_TRUE(PostMessage(hwnd, WM_USER, 1, 0));
        EXPECT_TRUE(PostTask(hwnd, [&] { log.push_back("windowTask"); }));
        PostQuitMessage(3);  // waits behind everything posted, also what is posted later
        EXPECT_TRUE(PostThreadMessage(self, WM_USER + 5, 2, 0));
        EXPECT_TRUE(PostTask(self, [&] { log.push_back("threadTask"); }));
        EXPECT_TRUE(PostMessage(hwnd, WM_USER, 3, 0));

        std::vector<UINT> threadMessages;
        MSG msg;
        while (GetMessage(msg)) {
            if (!msg.hwnd && !msg.task) {
                threadMessages.push_back(msg.message);
            }
            DispatchMessage(msg);
        }
        EXPECT_EQ(msg.wParam, 3u);
        EXPECT_EQ(log, (std::vector<std::string>{"msg1", "windowTask", "threadTask", "msg3"}));
        EXPECT_EQ(threadMessages, std::vector<UINT>{WM_USER + 5});
    });
}

TEST(PostTest, PostsFromAnotherThreadArriveInOrderAndWakeTheLoop) {
    OnFreshThread([] {
        testing::Watchdog watchdog;
        Reaper reaper(5000);
        std::vector<WPARAM> received;
        TestWindow window([&](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_USER) {
                received.push_back(wParam);
            }
            return 0;
        });
        const HWND hwnd = window.hwnd();
        const ThreadId ui = GetCurrentThreadId();
        std::thread poster([&received, hwnd, ui] {
            for (WPARAM i = 0; i < 200; ++i) {
                if (i % 2 == 0) {
                    PostMessage(hwnd, WM_USER, i, 0);
                } else {
                    PostTask(hwnd, [&received, i] { received.push_back(i); });
                }
            }
            PostTask(ui, [] { PostQuitMessage(0); });
        });
        EXPECT_EQ(RunMessageLoop(), 0);
        poster.join();
        ASSERT_EQ(received.size(), 200u);
        for (WPARAM i = 0; i < received.size(); ++i) {
            EXPECT_EQ(received[i], i);
        }
    });
}

TEST(PostTest, MessagesForADestroyedWindowAreDroppedAndItsHandleIsNeverReused) {
    OnFreshThread([] {
        int delivered = 0;
        auto window = std::make_unique<TestWindow>([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            delivered += message == WM_USER ? 1 : 0;
            return 0;
        });
        const HWND dead = window->hwnd();
        EXPECT_TRUE(PostMessage(dead, WM_USER, 0, 0));
        EXPECT_TRUE(PostTask(dead, [&] { ++delivered; }));
        window.reset();  // destroyed with its posts still queued

        EXPECT_FALSE(IsWindow(dead));
        EXPECT_FALSE(PostMessage(dead, WM_USER, 0, 0));
        EXPECT_FALSE(PostTask(dead, [&] { ++delivered; }));
        EXPECT_EQ(TrySendMessage(dead, WM_USER, 0, 0), std::nullopt);
        EXPECT_FALSE(DestroyWindow(dead));

        TestWindow next;
        EXPECT_NE(next.hwnd(), dead);
        MSG msg;
        while (PeekMessage(msg)) {
            DispatchMessage(msg);
        }
        EXPECT_EQ(delivered, 0);
    });
}

TEST(PostTest, AHandlerMayDestroyItsOwnWindowAndLaterPostsToItAreDropped) {
    OnFreshThread([] {
        auto token = std::make_shared<int>(42);
        std::weak_ptr<int> watch = token;
        std::vector<UINT> seen;
        HWND hwnd = CreateWindow([&seen, token](HWND self, UINT message, WPARAM, LPARAM) {
            seen.push_back(message);
            if (message == WM_USER) {
                DestroyWindow(self);
                // The procedure and what it holds stay alive until it returns.
                seen.push_back(static_cast<UINT>(*token));
            }
            return LRESULT{0};
        });
        token.reset();
        ASSERT_TRUE(hwnd);
        PostMessage(hwnd, WM_USER, 0, 0);
        PostMessage(hwnd, WM_USER + 1, 0, 0);
        MSG msg;
        while (PeekMessage(msg)) {
            DispatchMessage(msg);
        }
        EXPECT_EQ(seen, (std::vector<UINT>{WM_CREATE, WM_USER, WM_DESTROY, WM_NCDESTROY, 42}));
        EXPECT_TRUE(watch.expired());  // released once the last call returned
    });
}

TEST(PostTest, CreationRefusedByTheProcedureYieldsNoWindow) {
    OnFreshThread([] {
        std::vector<UINT> seen;
        HWND hwnd = CreateWindow([&](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
            seen.push_back(message);
            return message == WM_CREATE ? -1 : 0;
        });
        EXPECT_FALSE(hwnd);
        EXPECT_EQ(seen, (std::vector<UINT>{WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    });
}

}  // namespace
}  // namespace platform::msg
