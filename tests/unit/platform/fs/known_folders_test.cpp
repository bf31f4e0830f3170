#include "platform/fs/known_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "temp_folder.h"

namespace platform::fs {
namespace {

using kavrin_testing::ScopedEnv;
using kavrin_testing::TempFolder;

TEST(KnownFoldersTest, OverridesEndWithASlash) {
    ScopedEnv documents(kDocumentsDirVariable, "/tmp/docs");
    ScopedEnv program(kProgramDirVariable, "/opt/kavrin/");
    ScopedEnv config(kConfigDirVariable, "/tmp/conf");
    EXPECT_EQ(DocumentsFolder(), "/tmp/docs/");
    EXPECT_EQ(ProgramFolder(), "/opt/kavrin/");
    EXPECT_EQ(ConfigFolder(), "/tmp/conf/");
}

TEST(KnownFoldersTest, DocumentsFollowUserDirsElseHomeDocuments) {
    TempFolder home;
    ScopedEnv noOverride(kDocumentsDirVariable, std::nullopt);
    ScopedEnv homeEnv("HOME", home.path() + "user");
    ScopedEnv configHome("XDG_CONFIG_HOME", home.path() + "cfg");
    EXPECT_EQ(DocumentsFolder(), home.path() + "user/Documents/");

    std::filesystem::create_directories(home.path() + "cfg");
    home.Put("cfg/user-dirs.dirs",
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(DocumentsFolder(), home.path() + "user/Dokumente/");

    home.Put("cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
    EXPECT_EQ(DocumentsFolder(), "/srv/docs/");
}

TEST(KnownFoldersTest, ProgramFolderIsTheExecutablesFolder) {
    ScopedEnv noOverride(kProgramDirVariable, std::nullopt);
    auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(ProgramFolder(), exe.parent_path().string() + "/");
}

TEST(KnownFoldersTest, ConfigFolderFollowsXdgConfigHome) {
    ScopedEnv noOverride(kConfigDirVariable, std::nullopt);
    ScopedEnv configHome("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(ConfigFolder(), "/tmp/cfg/kavrin/");
}

}  // namespace
}  // namespace platform::fs
