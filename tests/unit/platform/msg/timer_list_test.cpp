#include "platform/msg/timer_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform::msg::detail {
namespace {

const HWND kA{1};
const HWND kB{2};

std::vector<UINT_PTR> DrainDue(TimerList& timers, uint64_t nowMs) {
    std::vector<UINT_PTR> ids;
    while (auto fired = timers.TakeDue(nowMs)) {
        ids.push_back(fired->id);
    }
    return ids;
}

TEST(TimerListTest, DueTimersComeEarliestFirstThenInArmingOrder) {
    TimerList timers;
    timers.Set(kA, 1, 30, 0);
    timers.Set(kA, 2, 10, 0);
    timers.Set(kB, 3, 10, 0);
    EXPECT_EQ(DrainDue(timers, 5), std::vector<UINT_PTR>{});
    EXPECT_EQ(timers.TimeToNext(5), 5u);
    EXPECT_EQ(DrainDue(timers, 30), (std::vector<UINT_PTR>{2, 3, 1}));
}

TEST(TimerListTest, KeepsCadenceWhenOnTimeAndFiresOnceAfterAStall) {
    struct Case {
        uint64_t firedAt;
        uint64_t nextDue;
    };
    // Period 50, first due at 50.
    const Case cases[] = {
        {55, 100},     // a little late: the cadence is kept
        {99, 100},     // late by less than a period
        {100, 150},    // late by exactly a period: rescheduled from now
        {1000, 1050},  // stalled: one tick, then from now
    };
    for (const Case& c : cases) {
        TimerList timers;
        timers.Set(kA, 7, 50, 0);
        EXPECT_EQ(DrainDue(timers, c.firedAt), std::vector<UINT_PTR>{7}) << c.firedAt;
        EXPECT_EQ(timers.TimeToNext(c.firedAt), c.nextDue - c.firedAt) << c.firedAt;
    }
}

TEST(TimerListTest, SettingAnExistingIdRearmsItFromNow) {
    TimerList timers;
    timers.Set(kA, 1, 100, 0);
    timers.Set(kB, 1, 100, 0);  // same id on another window is another timer
    timers.Set(kA, 1, 100, 80);
    EXPECT_EQ(DrainDue(timers, 100), std::vector<UINT_PTR>{1});  // only kB's
    EXPECT_EQ(timers.TimeToNext(100), 80u);
}

TEST(TimerListTest, KilledTimersNeverFire) {
    TimerList timers;
    timers.Set(kA, 1, 10, 0);
    timers.Set(kA, 2, 10, 0);
    timers.Set(kB, 3, 10, 0);
    EXPECT_TRUE(timers.Kill(kA, 1));
    EXPECT_FALSE(timers.Kill(kA, 1));
    timers.KillAll(kB);
    EXPECT_EQ(DrainDue(timers, 100), std::vector<UINT_PTR>{2});
    EXPECT_TRUE(timers.Kill(kA, 2));
    EXPECT_EQ(timers.TimeToNext(100), std::nullopt);
}

}  // namespace
}  // namespace platform::msg::detail
