#include "platform/fs/file_ops.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/fs/path.h"
#include "temp_folder.h"

namespace platform::fs {
namespace {

using kavrin_testing::TempFolder;

class FileOpsTest : public testing::Test {
protected:
    std::string At(const std::string& name) const { return folder_.path() + name; }
    TempFolder folder_;
};

TEST_F(FileOpsTest, NamesInAnotherCaseReachTheExistingFile) {
    folder_.Put("Profile1.PRO", "old");
    EXPECT_TRUE(FileExists(At("profile1.pro")));
    EXPECT_EQ(ReadFile(At("PROFILE1.pro")), "old");
    EXPECT_EQ(ResolvePath(At("profile1.pro")), At("Profile1.PRO"));
    EXPECT_TRUE(SameFile(At("profile1.pro"), At("PROFILE1.PRO")));

    ASSERT_TRUE(WriteFileAtomic(At("profile1.pro"), "new"));
    EXPECT_EQ(folder_.Listing(), "Profile1.PRO");
    EXPECT_EQ(ReadFile(At("Profile1.PRO")), "new");

    ASSERT_TRUE(DeleteFile(At("PROFILE1.PRO")));
    EXPECT_EQ(folder_.Listing(), "");
    EXPECT_FALSE(DeleteFile(At("profile1.pro")));
    EXPECT_EQ(ReadFile(At("profile1.pro")), std::nullopt);
}

TEST_F(FileOpsTest, NewFileKeepsTheCallersSpelling) {
    ASSERT_TRUE(WriteFileAtomic(At("New.Cur"), "x"));
    EXPECT_EQ(folder_.Listing(), "New.Cur");
    EXPECT_EQ(ReadFile(At("new.cur"), 0), "");
}

TEST_F(FileOpsTest, CopyHonoursFailIfExistsAndNeverCopiesOntoItself) {
    folder_.Put("a.config", "A");
    folder_.Put("b.config", "B");
    EXPECT_FALSE(CopyFile(At("a.config"), At("B.CONFIG"), true));
    EXPECT_EQ(ReadFile(At("b.config")), "B");
    EXPECT_TRUE(CopyFile(At("A.config"), At("B.CONFIG"), false));
    EXPECT_EQ(ReadFile(At("b.config")), "A");
    EXPECT_TRUE(CopyFile(At("a.config"), At("c.config"), true));
    EXPECT_EQ(ReadFile(At("c.config")), "A");
    EXPECT_FALSE(CopyFile(At("missing"), At("d.config"), false));
    EXPECT_FALSE(CopyFile(At("a.config"), At("A.CONFIG"), false));
    EXPECT_EQ(ReadFile(At("a.config")), "A");
    EXPECT_EQ(folder_.Listing(), "a.config b.config c.config");
}

TEST_F(FileOpsTest, MoveRefusesAnExistingTargetButAllowsACaseChange) {
    folder_.Put("old.mac", "1");
    folder_.Put("taken.mac", "2");
    EXPECT_FALSE(MoveFile(At("old.mac"), At("TAKEN.mac")));
    EXPECT_FALSE(MoveFile(At("missing.mac"), At("x.mac")));
    EXPECT_TRUE(MoveFile(At("OLD.mac"), At("renamed.mac")));
    EXPECT_EQ(folder_.Listing(), "renamed.mac taken.mac");
    EXPECT_TRUE(MoveFile(At("renamed.mac"), At("Renamed.MAC")));
    EXPECT_EQ(folder_.Listing(), "Renamed.MAC taken.mac");
    EXPECT_EQ(ReadFile(At("Renamed.MAC")), "1");
}

TEST_F(FileOpsTest, CreateFolderMakesParentsAndAcceptsOtherCase) {
    EXPECT_TRUE(CreateFolder(At("WN306/ms/")));
    EXPECT_TRUE(CreateFolder(At("wn306")));
    EXPECT_EQ(folder_.Listing(), "WN306");
    folder_.Put("file", "");
    EXPECT_FALSE(CreateFolder(At("file")));
}

TEST_F(FileOpsTest, ReaderNeverSeesAPartialFileWhileAWriterReplacesIt) {
    const std::string path = At("main.ini");
    const std::string small(100, 'a');
    const std::string large(200000, 'b');
    ASSERT_TRUE(WriteFileAtomic(path, small));
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 200; ++i) {
            WriteFileAtomic(path, i % 2 ? small : large);
        }
        done = true;
    });
    int reads = 0;
    int torn = 0;
    while (!done) {
        auto content = ReadFile(path);
        ++reads;
        if (!content || (*content != small && *content != large)) {
            ++torn;
        }
    }
    writer.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(folder_.Listing(), "main.ini") << "temporary files left behind";
}

}  // namespace
}  // namespace platform::fs
