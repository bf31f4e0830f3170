#include "platform/msg/timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "loop_fixture.h"
#include "platform/msg/post.h"

namespace platform::msg {
namespace {

using testing::InVirtualTime;
using testing::OnFreshThread;
using testing::Reaper;
using testing::TestWindow;

struct Tick {
    UINT_PTR id;
    uint64_t atMs;
    friend bool operator==(const Tick&, const Tick&) = default;
};

TEST(TimerTest, TicksCarryTheIdAndTheLoopSleepsExactlyUntilTheNextOne) {
    InVirtualTime([](testing::VirtualTime& time) {
        std::vector<Tick> ticks;
        TestWindow window([&](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_TIMER) {
                ticks.push_back({wParam, time.clock->NowMs()});
                if (ticks.size() == 3) {
                    PostQuitMessage(0);
                }
            }
            return 0;
        });
        EXPECT_EQ(SetTimer(window.hwnd(), 7, 100), 7u);
        EXPECT_EQ(RunMessageLoop(), 0);
        EXPECT_EQ(ticks, (std::vector<Tick>{{7, 100}, {7, 200}, {7, 300}}));
        // One sleep per tick, each exactly as long as the time to the tick: no polling.
        EXPECT_EQ(time.waits, (std::vector<uint32_t>{100, 100, 100}));
    });
}

TEST(TimerTest, KillTimerInsideAHandlerStopsTimersThatAreAlreadyDue) {
    InVirtualTime([](testing::VirtualTime& time) {
        std::vector<UINT_PTR> fired;
        HWND self;
        TestWindow window([&](UINT message, WPARAM id, LPARAM) -> LRESULT {
            if (message != WM_TIMER) {
                return 0;
            }
            fired.push_back(id);
            if (id == 1) {
                KillTimer(self, 1);
                KillTimer(self, 2);  // due at the same moment, armed later
                SetTimer(self, 3, 250);
            } else if (id == 3) {
                PostQuitMessage(0);
            }
            return 0;
        });
        self = window.hwnd();
        SetTimer(self, 1, 100);
        SetTimer(self, 2, 100);
        RunMessageLoop();
        EXPECT_EQ(fired, (std::vector<UINT_PTR>{1, 3}));
        EXPECT_EQ(time.clock->NowMs(), 350u);
        EXPECT_FALSE(KillTimer(self, 2));
    });
}

TEST(TimerTest, AStalledHandlerGetsOneLateTickThenTheCadenceResumesFromThen) {
    InVirtualTime([](testing::VirtualTime& time) {
        std::vector<uint64_t> tickTimes;
        TestWindow window([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_TIMER) {
                tickTimes.push_back(time.clock->NowMs());
                if (tickTimes.size() == 1) {
                    time.clock->Advance(1000);  // the handler blocks for ten periods
                } else if (tickTimes.size() == 3) {
                    PostQuitMessage(0);
                }
            }
            return 0;
        });
        SetTimer(window.hwnd(), 1, 100);
        RunMessageLoop();
        EXPECT_EQ(tickTimes, (std::vector<uint64_t>{100, 1100, 1200}));
    });
}

TEST(TimerTest, NoTickReachesAWindowAfterItsDestructionAndDeadWindowsGetNoTimers) {
    InVirtualTime([](testing::VirtualTime&) {
        int ticksAfterDestroy = 0;
        bool destroyed = false;
        TestWindow victim([&](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_DESTROY) {
                destroyed = true;
            } else if (message == WM_TIMER && destroyed) {
                ++ticksAfterDestroy;
            }
            return 0;
        });
        const HWND victimHwnd = victim.hwnd();
        TestWindow killer([&](UINT message, WPARAM id, LPARAM) -> LRESULT {
            if (message == WM_TIMER && id == 1) {
                DestroyWindow(victimHwnd);  // its timer is due at this same moment
            } else if (message == WM_TIMER && id == 2) {
                PostQuitMessage(0);
            }
            return 0;
        });
        SetTimer(killer.hwnd(), 1, 100);
        SetTimer(victimHwnd, 1, 100);
        SetTimer(killer.hwnd(), 2, 500);
        RunMessageLoop();
        EXPECT_TRUE(destroyed);
        EXPECT_EQ(ticksAfterDestroy, 0);
        EXPECT_EQ(SetTimer(victimHwnd, 1, 100), 0u);
    });
}

TEST(TimerTest, SetTimerFromAnotherThreadWakesTheSleepingLoop) {
    OnFreshThread([] {
        testing::Watchdog watchdog;
        Reaper reaper(5000);  // without a wake-up the loop would sleep until this one
        std::vector<UINT_PTR> fired;
        TestWindow window([&](UINT message, WPARAM id, LPARAM) -> LRESULT {
            if (message == WM_TIMER) {
                fired.push_back(id);
                PostQuitMessage(0);
            }
            return 0;
        });
        const HWND hwnd = window.hwnd();
        std::thread starter([hwnd] { SetTimer(hwnd, 9, 10); });
        RunMessageLoop();
        starter.join();
        KillTimer(hwnd, 9);
        EXPECT_EQ(fired, std::vector<UINT_PTR>{9});
    });
}

}  // namespace
}  // namespace platform::msg
