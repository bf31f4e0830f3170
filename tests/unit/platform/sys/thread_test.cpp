#include "platform/sys/thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/sys/lock.h"

namespace platform::sys {
namespace {

TEST(StoppableThreadTest, BodyEndsWhenStopIsRequested) {
    std::atomic<int> loops{0};
    StoppableThread t([&](Event& stop) {
        while (WaitForSingleObject(stop, 5) == kWaitTimeout) {
            ++loops;
        }
    });
    EXPECT_TRUE(t.Running());
    t.RequestStop();
    EXPECT_TRUE(t.Join(2000));
    EXPECT_FALSE(t.Running());
}

TEST(StoppableThreadTest, JoinTimesOutWhileBodyIgnoresStop) {
    Event release(ResetMode::kManual);
    StoppableThread t([&](Event&) { WaitForSingleObject(release, kInfinite); });
    t.RequestStop();
    EXPECT_FALSE(t.Join(30));
    release.Set();
    EXPECT_TRUE(t.Join(2000));
}

TEST(ReentrantLockTest, OwnerMayTakeItTwice) {
    ReentrantLock lock;
    LockGuard outer(lock);
    LockGuard inner(lock);
    SUCCEED();
}

}  // namespace
}  // namespace platform::sys
