#include "platform/fs/registry.h"

#include <gtest/gtest.h>

#include "platform/fs/known_folders.h"
#include "temp_folder.h"

namespace platform::fs {
namespace {

using kavrin_testing::ScopedEnv;
using kavrin_testing::TempFolder;

class RegistryTest : public testing::Test {
protected:
    TempFolder folder_;
    ScopedEnv config_{kConfigDirVariable, folder_.path() + "config"};
};

constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;

TEST_F(RegistryTest, StoresStringValuesUnderAKeyIgnoringCase) {
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE"), std::nullopt);
    ASSERT_TRUE(WriteRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE", "2020"));
    EXPECT_EQ(ReadRegistryString(kMachine, "software\\gaming mouse", "language"), "2020");
    ASSERT_TRUE(WriteRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE", "1010"));
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE"), "1010");

    EXPECT_EQ(ReadRegistryString(RegistryRoot::kCurrentUser, "SOFTWARE\\Gaming Mouse", "LANGUAGE"),
              std::nullopt);
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\Other", "LANGUAGE"), std::nullopt);

    ASSERT_TRUE(DeleteRegistryValue(kMachine, "SOFTWARE\\Gaming Mouse", "language"));
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE"), std::nullopt);
}

TEST_F(RegistryTest, RefusesValuesThatWouldNotReadBackTheSame) {
    EXPECT_FALSE(WriteRegistryString(kMachine, "SOFTWARE\\K", "V", " padded"));
    EXPECT_FALSE(WriteRegistryString(kMachine, "SOFTWARE\\K", "V", "two\nlines"));
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\K", "V"), std::nullopt);
}

TEST_F(RegistryTest, LivesInTheConfigFolder) {
    ASSERT_TRUE(WriteRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE", "2020"));
    EXPECT_EQ(folder_.Listing(), "config");
    TempFolder other;
    ScopedEnv elsewhere(kConfigDirVariable, other.path());
    EXPECT_EQ(ReadRegistryString(kMachine, "SOFTWARE\\Gaming Mouse", "LANGUAGE"), std::nullopt);
}

}  // namespace
}  // namespace platform::fs
