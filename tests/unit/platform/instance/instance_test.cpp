#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "child_process.h"
#include "platform/instance/activation.h"
#include "platform/instance/instance_lock.h"
#include "platform/instance/runtime_folder.h"
#include "platform/sys/event.h"
#include "temp_folder.h"

namespace platform::instance {
namespace {

using kavrin_testing::ChildProcess;
using kavrin_testing::ScopedEnv;
using kavrin_testing::TempFolder;

constexpr int kQuietMs = 300;

class InstanceTest : public testing::Test {
protected:
    TempFolder runtime_;
    ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.path()};
};

TEST_F(InstanceTest, SecondStartActivatesTheFirstExactlyOnceAndExits) {
    ChildProcess first(INSTANCE_HELPER_PATH);
    ASSERT_EQ(first.ReadLine(), "first");
    for (int start = 0; start < 2; ++start) {
        ChildProcess second(INSTANCE_HELPER_PATH);
        EXPECT_EQ(second.ReadLine(), "second");
        EXPECT_EQ(second.Wait(), 0);
        EXPECT_EQ(first.ReadLine(), "activated") << "start " << start;
        EXPECT_EQ(first.ReadLine(kQuietMs), std::nullopt) << "more than one activation";
    }
    first.CloseInput();
    EXPECT_EQ(first.Wait(), 0);
}

TEST_F(InstanceTest, KilledFirstInstanceNeverBlocksANewStart) {
    {
        ChildProcess crashed(INSTANCE_HELPER_PATH);
        ASSERT_EQ(crashed.ReadLine(), "first");
        crashed.Kill();
        crashed.Wait();
    }
    // Its lock file and socket are left behind; the next start takes both over.
    ChildProcess next(INSTANCE_HELPER_PATH);
    ASSERT_EQ(next.ReadLine(), "first");
    ChildProcess second(INSTANCE_HELPER_PATH);
    EXPECT_EQ(second.ReadLine(), "second");
    EXPECT_EQ(next.ReadLine(), "activated");
}

TEST_F(InstanceTest, LockIsHeldUntilReleasedAndFolderIsPrivate) {
    auto lock = std::make_unique<InstanceLock>("PELLOXDRVER1");
    EXPECT_EQ(lock->state(), InstanceLock::State::kOwned);
    EXPECT_TRUE(InstanceLock("PELLOXDRVER1").HeldElsewhere());
    EXPECT_EQ(InstanceLock("OTHER").state(), InstanceLock::State::kOwned);
    lock.reset();
    EXPECT_EQ(InstanceLock("PELLOXDRVER1").state(), InstanceLock::State::kOwned);

    struct stat info {};
    ASSERT_EQ(stat((runtime_.path() + "kavrin").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(InstanceTest, ForeignRuntimeFolderIsRefused) {
    // A link planted in place of the folder could lead the lock elsewhere.
    std::filesystem::create_directory(runtime_.path() + "elsewhere");
    std::filesystem::create_directory_symlink(runtime_.path() + "elsewhere",
                                              runtime_.path() + "kavrin");
    EXPECT_EQ(RuntimeFolder(), std::nullopt);
    EXPECT_EQ(InstanceLock("PELLOXDRVER1").state(), InstanceLock::State::kFailed);
}

TEST_F(InstanceTest, ListenerCallsBackOncePerRequestAndStopsPromptly) {
    EXPECT_FALSE(BroadcastActivation("OSTRIKAN_004")) << "nobody listens yet";
    std::atomic<int> calls{0};
    sys::Event third(sys::ResetMode::kManual);
    {
        ActivationListener listener("OSTRIKAN_004", [&] {
            if (++calls == 3) {
                third.Set();
            }
        });
        ASSERT_TRUE(listener.Listening());
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(BroadcastActivation("OSTRIKAN_004"));
        }
        EXPECT_EQ(sys::WaitForSingleObject(third, 5000), sys::kWaitObject0);
    }
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(BroadcastActivation("OSTRIKAN_004")) << "socket left behind";
}

}  // namespace
}  // namespace platform::instance
