#include "app/data_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/known_folders.h"
#include "temp_folder.h"

namespace app {
namespace {

using kavrin_testing::ScopedEnv;
using kavrin_testing::TempFolder;

TEST(DataFoldersTest, FoldersAreBuiltOnDocumentsAndCreatedOnEachAsk) {
    TempFolder home;
    ScopedEnv documents(platform::fs::kDocumentsDirVariable, home.path() + "Docs");
    const std::string data = home.path() + "Docs/WN306/";

    EXPECT_EQ(GetDataFolder(), data);
    EXPECT_TRUE(std::filesystem::is_directory(data)) << "created even before any profile exists";

    struct {
        std::string (*get)();
        const char* name;
    } kinds[] = {{GetMouseFolder, "ms"}, {GetPadFolder, "mp"}, {GetKeyboardFolder, "kb"}};
    for (const auto& kind : kinds) {
        EXPECT_EQ(kind.get(), data + kind.name + "/");
        EXPECT_TRUE(std::filesystem::is_directory(data + kind.name));
    }

    std::filesystem::remove_all(data);
    EXPECT_EQ(GetMouseFolder(), data + "ms/");
    EXPECT_TRUE(std::filesystem::is_directory(data + "ms")) << "re-created after removal";
}

}  // namespace
}  // namespace app
