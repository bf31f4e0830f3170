#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "loop_fixture.h"
#include "platform/msg/post.h"

namespace platform::msg {
namespace {

using testing::InVirtualTime;
using testing::OnFreshThread;
using testing::Reaper;
using testing::TestWindow;

enum class EndBy { kEndModal, kEndModalThenDestroy, kDestroy, kPredicate };

struct ModalCase {
    EndBy endBy;
    ModalEnd expectedEnd;
    LRESULT expectedResult;
};

TEST(ModalLoopTest, ServesOtherWindowsAndTimersUntilItsEndCondition) {
    const ModalCase cases[] = {
        {EndBy::kEndModal, ModalEnd::kEnded, 7},
        {EndBy::kEndModalThenDestroy, ModalEnd::kEnded, 7},
        {EndBy::kDestroy, ModalEnd::kWindowGone, 0},
        {EndBy::kPredicate, ModalEnd::kEnded, 0},
    };
    for (const ModalCase& c : cases) {
        InVirtualTime([&c](testing::VirtualTime& time) {
            bool endFlag = false;
            auto dialog = std::make_unique<TestWindow>();
            const HWND dialogHwnd = dialog->hwnd();
            dialog->SetHandler([&](UINT message, WPARAM, LPARAM) -> LRESULT {
                if (message == WM_TIMER) {
                    KillTimer(dialogHwnd, 1);
                    if (c.endBy == EndBy::kEndModal || c.endBy == EndBy::kEndModalThenDestroy) {
                        EndModal(dialogHwnd, 7);
                    }
                    if (c.endBy == EndBy::kDestroy || c.endBy == EndBy::kEndModalThenDestroy) {
                        DestroyWindow(dialogHwnd);
                    }
                    endFlag = true;
                }
                return 0;
            });
            int ownerTicks = 0;
            std::optional<ModalOutcome> outcome;
            TestWindow owner([&](UINT message, WPARAM, LPARAM) -> LRESULT {
                if (message == WM_TIMER) {
                    ++ownerTicks;
                } else if (message == WM_USER) {
                    outcome = c.endBy == EndBy::kPredicate ? RunModalLoop([&] { return endFlag; })
                                                           : RunModalLoop(dialogHwnd);
                    PostQuitMessage(0);
                }
                return 0;
            });
            SetTimer(owner.hwnd(), 1, 100);
            SetTimer(dialogHwnd, 1, 350);
            PostMessage(owner.hwnd(), WM_USER, 0, 0);
            RunMessageLoop();
            ASSERT_TRUE(outcome.has_value());
            EXPECT_EQ(outcome->end, c.expectedEnd);
            EXPECT_EQ(outcome->result, c.expectedResult);
            EXPECT_EQ(ownerTicks, 3);
            EXPECT_EQ(time.clock->NowMs(), 350u);
        });
    }
}

TEST(ModalLoopTest, QuitInsideNestedLoopsEndsEachAndReachesTheOutermostLoop) {
    InVirtualTime([](testing::VirtualTime&) {
        std::vector<ModalEnd> ends;
        TestWindow dialog;
        const HWND dialogHwnd = dialog.hwnd();
        dialog.SetHandler([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_TIMER) {
                PostQuitMessage(5);
            } else if (message == WM_USER) {
                ends.push_back(RunModalLoop(dialogHwnd).end);  // the inner level
            }
            return 0;
        });
        TestWindow owner([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_USER) {
                PostMessage(dialogHwnd, WM_USER, 0, 0);
                ends.push_back(RunModalLoop(dialogHwnd).end);  // the outer level
            }
            return 0;
        });
        SetTimer(dialogHwnd, 1, 100);
        PostMessage(owner.hwnd(), WM_USER, 0, 0);
        EXPECT_EQ(RunMessageLoop(), 5);
        EXPECT_EQ(ends, (std::vector<ModalEnd>{ModalEnd::kQuit, ModalEnd::kQuit}));
        EXPECT_TRUE(IsWindow(dialogHwnd));
    });
}

TEST(ModalLoopTest, AMessageSentFromAnotherThreadCanEndIt) {
    OnFreshThread([] {
        testing::Watchdog watchdog;
        Reaper reaper(5000);  // without a re-check after sent messages the loop sleeps on
        TestWindow dialog;
        const HWND dialogHwnd = dialog.hwnd();
        dialog.SetHandler([&](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_USER) {
                EndModal(dialogHwnd, static_cast<LRESULT>(wParam));
            }
            return 0;
        });
        std::thread sender([dialogHwnd] { SendMessage(dialogHwnd, WM_USER, 9, 0); });
        ModalOutcome outcome = RunModalLoop(dialogHwnd);
        sender.join();
        EXPECT_EQ(outcome.end, ModalEnd::kEnded);
        EXPECT_EQ(outcome.result, 9);
    });
}

}  // namespace
}  // namespace platform::msg
