#include "toolkit/sdl/sdl_waiter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/sys/event.h"

namespace toolkit::sdl {
namespace {

using Clock = std::chrono::steady_clock;

class SdlWaiterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    void TearDown() override {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }
};

TEST_F(SdlWaiterTest, WakeFromAnotherThreadEndsAnEndlessWait) {
    SdlWaiter waiter([](const SDL_Event&) {});
    auto start = Clock::now();
    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        waiter.Wake();
    });
    waiter.Wait(platform::sys::kInfinite);
    waker.join();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
}

TEST_F(SdlWaiterTest, WakeBeforeWaitIsKeptAndManyWakesQueueOneEvent) {
    std::vector<Uint32> seen;
    SdlWaiter waiter([&](const SDL_Event& event) { seen.push_back(event.type); });
    for (int i = 0; i < 100; ++i) {
        waiter.Wake();
    }
    SDL_PumpEvents();
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_USEREVENT, SDL_LASTEVENT), 1);
    auto start = Clock::now();
    waiter.Wait(5000);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(seen.empty()) << "the wake-up event is the waiter's own";

    // Consumed: the next wait runs into its time-out, and a later Wake queues again.
    start = Clock::now();
    waiter.Wait(30);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(25));
    waiter.Wake();
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_USEREVENT, SDL_LASTEVENT), 1);
}

TEST_F(SdlWaiterTest, OtherEventsReachTheHandlerAsOneBatch) {
    std::vector<Sint32> codes;
    int beforeWaits = 0;
    SdlWaiter waiter([&](const SDL_Event& event) { codes.push_back(event.user.code); },
                     [&] { ++beforeWaits; });
    Uint32 type = SDL_RegisterEvents(1);
    for (Sint32 code : {1, 2, 3}) {
        SDL_Event event{};
        event.type = type;
        event.user.code = code;
        SDL_PushEvent(&event);
    }
    waiter.Wait(1000);
    EXPECT_EQ(codes, (std::vector<Sint32>{1, 2, 3}));
    EXPECT_EQ(beforeWaits, 1);
}

}  // namespace
}  // namespace toolkit::sdl
