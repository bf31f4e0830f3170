#include "platform/sys/event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/sys/clock.h"

namespace platform::sys {
namespace {

TEST(EventTest, ManualResetStaysSetUntilReset) {
    Event e(ResetMode::kManual);
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitTimeout);
    e.Set();
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitObject0);
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitObject0);
    e.Reset();
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitTimeout);
}

TEST(EventTest, AutoResetIsConsumedByOneWaitAndDoesNotCount) {
    Event e(ResetMode::kAuto);
    e.Set();
    e.Set();  // setting a set event adds nothing
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitObject0);
    EXPECT_EQ(WaitForSingleObject(e, 0), kWaitTimeout);
}

TEST(EventTest, FirstSignalledInOrderWinsAndOnlyItIsConsumed) {
    Event a(ResetMode::kAuto), b(ResetMode::kAuto);
    Event* both[] = {&a, &b};
    b.Set();
    a.Set();
    EXPECT_EQ(WaitForMultipleObjects(both, 0), kWaitObject0 + 0);
    EXPECT_EQ(WaitForMultipleObjects(both, 0), kWaitObject0 + 1);
    EXPECT_EQ(WaitForMultipleObjects(both, 0), kWaitTimeout);
}

TEST(EventTest, TimeoutIsNeverShort) {
    Event e(ResetMode::kAuto);
    uint64_t start = GetTickCount64();
    EXPECT_EQ(WaitForSingleObject(e, 50), kWaitTimeout);
    EXPECT_GE(GetTickCount64() - start, 50u);
}

TEST(EventTest, SetFromAnotherThreadWakesWaiter) {
    Event e(ResetMode::kAuto);
    std::thread setter([&] {
        Sleep(20);
        e.Set();
    });
    EXPECT_EQ(WaitForSingleObject(e, 5000), kWaitObject0);
    setter.join();
}

TEST(EventTest, AutoResetWakesExactlyOneOfManyWaiters) {
    Event e(ResetMode::kAuto);
    std::atomic<int> woken{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 4; ++i) {
        waiters.emplace_back([&] {
            if (WaitForSingleObject(e, 300) == kWaitObject0) {
                ++woken;
            }
        });
    }
    Sleep(30);
    e.Set();
    for (auto& t : waiters) {
        t.join();
    }
    EXPECT_EQ(woken.load(), 1);
}

}  // namespace
}  // namespace platform::sys
