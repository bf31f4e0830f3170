// The background threads the main window starts on "windowinit" and stops on its destruction.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <vector>

#include "app/background_threads.h"
#include "app/process_state.h"
#include "platform/sys/event.h"
#include "shell_fixture.h"

namespace app::testing {
namespace {

namespace sys = platform::sys;

using StopThreadsTest = ShellTest;

TEST_F(StopThreadsTest, EveryStartedThreadEndsOnItsOwnStopEvent) {
    constexpr int kThreads = 3;
    std::atomic<int> ended{0};
    std::vector<const sys::Event*> events(kThreads);
    std::vector<platform::msg::HWND> windows(kThreads);
    std::vector<ThreadSpec> table;
    for (int i = 0; i < kThreads; ++i) {
        table.push_back({"worker", [&, i](const ThreadContext& context) {
                             events[i] = context.stop.get();
                             windows[i] = context.mainWindow;
                             sys::WaitForSingleObject(*context.stop, sys::kInfinite);
                             ++ended;
                         }});
    }
    MainWindowOptions options;
    options.threads = table;
    CMainWnd& window = CreateMainWindow(std::move(options));
    const platform::msg::HWND hwnd = window.GetHWND();
    ASSERT_TRUE(RunStartup());
    EXPECT_EQ(MainWindowHandle(), hwnd);

    CloseMainWindow();
    EXPECT_EQ(ended, kThreads);
    EXPECT_EQ(std::set(events.begin(), events.end()).size(), size_t{kThreads});
    EXPECT_EQ(windows, std::vector(kThreads, hwnd));
    ASSERT_EQ(window.GetLastStopOutcome(), StopOutcome::kAllEnded);
    EXPECT_EQ(StopOutcomeText(*window.GetLastStopOutcome()), "所有对象处于激发状态\n");
    EXPECT_EQ(MainWindowHandle(), platform::msg::HWND());
}

TEST_F(StopThreadsTest, ThreadThatIgnoresItsStopEventIsLetGoAfterTheLimit) {
    // The stubborn thread ends only when the test lets it, after the window gave up on it.
    auto release = std::make_shared<sys::Event>(sys::ResetMode::kManual);
    auto finished = std::make_shared<sys::Event>(sys::ResetMode::kManual);
    const std::vector<ThreadSpec> table = {
        {"polite",
         [](const ThreadContext& context) {
             sys::WaitForSingleObject(*context.stop, sys::kInfinite);
         }},
        {"stubborn", [release, finished](const ThreadContext& context) {
             sys::WaitForSingleObject(*release, sys::kInfinite);
             // Its stop event is still valid although the window is gone.
             EXPECT_TRUE(context.stop->IsSet());
             finished->Set();
         }}};
    MainWindowOptions options;
    options.threads = table;
    options.stopLimitMs = 100;
    CMainWnd& window = CreateMainWindow(std::move(options));
    ASSERT_TRUE(RunStartup());
    CloseMainWindow();
    ASSERT_EQ(window.GetLastStopOutcome(), StopOutcome::kTimeout);
    EXPECT_EQ(StopOutcomeText(*window.GetLastStopOutcome()), "所有对象处于非激发状态，超时\n");

    window_.reset();
    release->Set();
    EXPECT_EQ(sys::WaitForSingleObject(*finished, 5000), sys::kWaitObject0);
}

}  // namespace
}  // namespace app::testing
