// The program as a process: single instance, --screenshot and the command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sys/clock.h"
#include "program_folders.h"

extern char** environ;

namespace {

using kavrin_testing::ProgramFolders;
using kavrin_testing::ScopedEnv;
using kavrin_testing::TempFolder;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t Count(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

// The program started with its output in files.
class Process {
public:
    Process(const std::vector<std::string>& args, const std::string& outputPrefix)
        : out_(outputPrefix + ".out"), err_(outputPrefix + ".err") {
        std::vector<std::string> all = {KAVRIN_BINARY};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (pid_ > 0 && Wait(0) == kRunning) {
            kill(pid_, SIGKILL);
            Wait(5000);
        }
    }

    static constexpr int kRunning = -1000;
    // The exit code, or kRunning when it has not ended within timeoutMs.
    int Wait(uint32_t timeoutMs) {
        const uint64_t deadline = platform::sys::GetTickCount64() + timeoutMs;
        for (;;) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (platform::sys::GetTickCount64() >= deadline) {
                return kRunning;
            }
            platform::sys::Sleep(20);
        }
    }
    void Terminate() const { kill(pid_, SIGTERM); }
    bool Started() const { return pid_ > 0; }
    std::string Output() const { return ReadAll(out_); }
    std::string Diagnostics() const { return ReadAll(err_); }
    bool WaitForDiagnostics(const std::string& text, uint32_t timeoutMs) const {
        const uint64_t deadline = platform::sys::GetTickCount64() + timeoutMs;
        while (Diagnostics().find(text) == std::string::npos) {
            if (platform::sys::GetTickCount64() >= deadline) {
                return false;
            }
            platform::sys::Sleep(20);
        }
        return true;
    }

private:
    std::string out_;
    std::string err_;
    pid_t pid_ = -1;
};

// The build's program folder (executable, default files, the real skin) with private runtime,
// data and configuration folders.
class StartupTest : public ::testing::Test {
protected:
    TempFolder runtime_;
    ScopedEnv runtimeEnv_{"XDG_RUNTIME_DIR", runtime_.path()};
    ProgramFolders folders_{KAVRIN_PROGRAM_FILES_DIR};
    ScopedEnv debugEnv_{"KAVRIN_DEBUG", "1"};
};

TEST_F(StartupTest, SecondStartActivatesTheRunningInstanceAndCreatesNoWindow) {
    // Only the mousepad: no presence monitor asks the window to show itself on its own.
    Process first({"--simulate=pad"}, runtime_.path() + "first");
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(first.WaitForDiagnostics("InitWindow", 10000)) << first.Diagnostics();

    // The running instance hears each attempt exactly once (its answer line starts like this).
    const std::string heard = "软件标示 ";
    for (size_t attempt = 1; attempt <= 2; ++attempt) {
        Process second({"--simulate=pad"}, runtime_.path() + "second");
        EXPECT_EQ(second.Wait(10000), 0);
        EXPECT_EQ(second.Diagnostics().find("InitWindow"), std::string::npos);
        EXPECT_NE(second.Output().find("already running"), std::string::npos);
        const uint64_t deadline = platform::sys::GetTickCount64() + 5000;
        while (Count(first.Diagnostics(), heard) < attempt &&
               platform::sys::GetTickCount64() < deadline) {
            platform::sys::Sleep(20);
        }
        platform::sys::Sleep(300);
        EXPECT_EQ(Count(first.Diagnostics(), heard), attempt);
    }

    // Stopped from outside, it ends through its normal stop path.
    first.Terminate();
    EXPECT_EQ(first.Wait(15000), 0) << first.Diagnostics();
    EXPECT_NE(first.Diagnostics().find("退出测试"), std::string::npos);
}

TEST_F(StartupTest, ScreenshotWritesTheMainWindowAndEndsCleanly) {
    const std::string picture = folders_.documents.path() + "shot.png";
    Process program({"--simulate=mouse", "--screenshot", picture}, runtime_.path() + "shot");
    ASSERT_EQ(program.Wait(15000), 0) << program.Diagnostics();
    EXPECT_NE(program.Output().find(picture), std::string::npos);
    EXPECT_NE(program.Diagnostics().find("所有对象处于激发状态"), std::string::npos);
    // PNG signature, then the IHDR width and height (big-endian).
    const std::string png = ReadAll(picture);
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return (uint32_t(uint8_t(png[at])) << 24) | (uint32_t(uint8_t(png[at + 1])) << 16) |
               (uint32_t(uint8_t(png[at + 2])) << 8) | uint32_t(uint8_t(png[at + 3]));
    };
    EXPECT_EQ(be32(16), 800u);
    EXPECT_EQ(be32(20), 572u);
}

TEST_F(StartupTest, CommandLine) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* output;
    } cases[] = {
        {{"--help"}, 0, "--simulate"},
        {{"--simulate=toaster"}, 2, ""},
        {{"--frobnicate"}, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        Process program(c.args, runtime_.path() + "cmd");
        EXPECT_EQ(program.Wait(10000), c.exitCode);
        EXPECT_NE(program.Output().find(c.output), std::string::npos);
    }
}

}  // namespace
