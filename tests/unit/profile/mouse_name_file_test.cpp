// The per-profile name file of the mouse: button texts and their display defaults.
#include "profile/mouse_name_file.h"

#include <gtest/gtest.h>

#include "platform/fs/profile_string.h"
#include "profile_fixture.h"

namespace profile::name_file {
namespace {

TEST_F(ProfileTest, ButtonLabelsFallBackToTheDisplayDefaults) {
    platform::fs::WritePrivateProfileString(kKeyNameSection, "3", "Shoot", NameFilePath("p1"));
    platform::fs::WritePrivateProfileString(kKeyNameSection, "4", "0", NameFilePath("p1"));
    struct Case {
        const char* profile;
        int button;
        const char* label;
    };
    const Case cases[] = {
        {"p1", 3, "Shoot"},        {"p1", 4, "Forward"},  // "0" means not set
        {"p1", 2, "Middle Click"}, {"p1", 7, "DPI-"},
        {"none", 6, "DPI Loop"},   {"../p1", 3, "Right Click"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadButtonLabel(c.profile, c.button), c.label) << c.profile << c.button;
    }
    EXPECT_TRUE(NameFilePath("profile1").ends_with("/ms/profile1name.ini"));
}

}  // namespace
}  // namespace profile::name_file
