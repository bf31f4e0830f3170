#include "platform/shell/launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/shell/cursor_pos.h"

namespace platform::shell {
namespace {

namespace fs = std::filesystem;

// A folder with a recorder program that writes its working folder and each argument (one a
// line) to "out.txt", then renames it into place so the test never reads a half file.
class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kavrin_launch_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "work");
        recorder_ = (folder_ / "recorder").string();
        std::ofstream(recorder_)
            << "#!/bin/sh\nout=\"$(dirname \"$0\")/out\"\npwd > \"$out.tmp\"\n"
               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp\"; done\n"
               "mv \"$out.tmp\" \"$out.txt\"\n";
        chmod(recorder_.c_str(), 0755);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // What the recorder wrote, waiting for it up to a few seconds.
    std::string Recorded() const {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!fs::exists(folder_ / "out.txt") && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream in(folder_ / "out.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
    std::string recorder_;
};

TEST_F(LaunchTest, ArgumentsReachTheProgramLiterallyWithoutAShell) {
    std::string work = (folder_ / "work").string();
    ASSERT_TRUE(LaunchDetached(recorder_, {"a b", "$(touch pwned)", "x;rm -rf /", "`id`"}, work));
    EXPECT_EQ(Recorded(), work + "\na b\n$(touch pwned)\nx;rm -rf /\n`id`\n");
    EXPECT_FALSE(fs::exists(folder_ / "work" / "pwned"));
}

TEST_F(LaunchTest, OpenProgramPassesItsParameterAndWorkingFolder) {
    std::string work = (folder_ / "work").string();
    ASSERT_TRUE(OpenProgram(recorder_, "NULL", work));
    EXPECT_EQ(Recorded(), work + "\nNULL\n");
}

TEST_F(LaunchTest, MissingProgramsFail) {
    EXPECT_FALSE(LaunchDetached((folder_ / "absent").string(), {}));
    EXPECT_FALSE(LaunchDetached("kavrin-no-such-program-anywhere", {}));
    fs::permissions(recorder_, fs::perms::owner_read);
    EXPECT_FALSE(LaunchDetached(recorder_, {}));
}

TEST(CursorPosTest, AnswersFromTheInstalledSourceOnly) {
    EXPECT_FALSE(GetCursorPos().has_value());
    SetCursorPosSource([] { return CursorPos{12, 34}; });
    EXPECT_EQ(GetCursorPos(), (CursorPos{12, 34}));
    SetCursorPosSource(nullptr);
    EXPECT_FALSE(GetCursorPos().has_value());
}

}  // namespace
}  // namespace platform::shell
