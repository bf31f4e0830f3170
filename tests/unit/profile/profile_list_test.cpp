// The first profile of a list, created from the default file on the first run.
#include "profile/profile_list.h"

#include <gtest/gtest.h>

#include <numeric>

#include "app/binary_file.h"
#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"
#include "profile_fixture.h"

namespace profile {
namespace {

using keyboard::EffectSet;

struct List {
    DeviceKind kind;
    ProfileType type;
    EffectSet set;
    const char* defaultFile;
    const char* firstFile;
    const char* iniText;  // the whole list file after the first run
};

const List kLists[] = {
    {DeviceKind::kMouse, ProfileType::kDevice, EffectSet::kA, "msdevicedefault.config",
     "profile1.config",
     "[PROFILEDEVICECOUNT]\ncount=1\n[PROFILELIKEDEVICEEXE]\n0=0\n[PROFILEDEVICENAME]\n"
     "0=profile1\n[PROFILEDEVICESELECT]\nselect=0\n"},
    {DeviceKind::kKeyboard, ProfileType::kDevice, EffectSet::kA, "kbdevicedefault.config",
     "profile1.config",
     "[PROFILEDEVICECOUNT]\ncount=1\n[PROFILELIKEDEVICEEXE]\n0=0\n[PROFILEDEVICENAME]\n"
     "0=profile1\n[PROFILEDEVICESELECT]\nselect=0\n"},
    {DeviceKind::kKeyboard, ProfileType::kLight, EffectSet::kB, "kb15dengdefault.led",
     "profile1.led",
     "[PROFILEDENGCOUNT]\ncount=1\n[PROFILELIKEDENGEXE]\n0=0\n[PROFILEDENGNAME]\n0=profile1\n"
     "[PROFILEDENGSELECT]\nselect=0\n"},
    {DeviceKind::kKeyboard, ProfileType::kKey, EffectSet::kB, "kbkey15default.pro", "profile1.pro",
     "[PROFILECOUNT]\ncount=1\n[PROFILELIKEEXE]\n0=0\n[PROFILENAME]\n0=profile1\n"
     "[PROFILESELECT]\nselect=0\n"},
    {DeviceKind::kPad, ProfileType::kLight, EffectSet::kA, "mpdengdefault.Led", "profile1.led",
     "[PROFILEDENGCOUNT]\ncount=1\n[PROFILELIKEDENGEXE]\n0=0\n[PROFILEDENGNAME]\n0=profile1\n"
     "[PROFILEDENGSELECT]\nselect=0\n"},
};

TEST_F(ProfileTest, FirstRunCreatesProfile1FromTheDefaultFileAndWritesTheListKeys) {
    for (const List& list : kLists) {
        SCOPED_TRACE(list.defaultFile);
        ASSERT_EQ(ProfileCount(list.kind, list.type), 0);
        std::vector<uint8_t> payload(PayloadSize(list.kind, list.type));
        std::iota(payload.begin(), payload.end(), uint8_t{1});
        PutFile(platform::fs::ProgramFolder() + list.defaultFile, {0xAA, 0x55, 0, 0, 9}, payload);

        ASSERT_EQ(CreateFirstProfile(list.kind, list.type, list.set), kLoaded);

        EXPECT_EQ(platform::fs::ReadFile(ListPath(list.kind)), list.iniText);
        std::vector<uint8_t> copied(payload.size());
        const std::string first = KindFolder(list.kind) + list.firstFile;
        ASSERT_EQ(app::ReadBinaryFile(first, copied), app::kBinaryRead);
        EXPECT_EQ(copied, payload);
        EXPECT_EQ((*platform::fs::ReadFile(first))[4], static_cast<char>(KindCode(list.kind)));
        EXPECT_EQ(ProfileNames(list.kind, list.type), std::vector<std::string>{"profile1"});
        platform::fs::DeleteFile(ListPath(list.kind));
    }
}

TEST_F(ProfileTest, FirstRunWithoutAUsableDefaultFileWritesNothing) {
    const List& mouse = kLists[0];
    EXPECT_EQ(CreateFirstProfile(mouse.kind, mouse.type), kMissing);
    PutFile(platform::fs::ProgramFolder() + mouse.defaultFile, {0x00, 0x55},
            std::vector<uint8_t>(576));
    EXPECT_EQ(CreateFirstProfile(mouse.kind, mouse.type), kBadSignature);
    EXPECT_FALSE(platform::fs::FileExists(ListPath(mouse.kind)));
    EXPECT_FALSE(platform::fs::FileExists(KindFolder(mouse.kind) + mouse.firstFile));
}

TEST_F(ProfileTest, SelectionAndLinksAreReadFromTheListOfTheKindAndType) {
    const std::string mouseList = ListPath(DeviceKind::kMouse);
    platform::fs::WritePrivateProfileString("PROFILELIKEDEVICEEXE", "1", "1", mouseList);
    platform::fs::WritePrivateProfileString("DEVICEPROCESS", "1", "D:\\Play\\game.exe", mouseList);
    platform::fs::WritePrivateProfileString("PROCESS", "1", "/other.exe", mouseList);

    const ProfileLink linked = ReadProfileLink(DeviceKind::kMouse, ProfileType::kDevice, 1);
    EXPECT_EQ(linked.flag, 1);
    EXPECT_EQ(LinkedProgramName(linked.process), "game.exe");
    const ProfileLink unlinked = ReadProfileLink(DeviceKind::kMouse, ProfileType::kDevice, 0);
    EXPECT_EQ(unlinked.flag, 0);
    EXPECT_EQ(unlinked.process, "0");
    EXPECT_EQ(LinkedProgramName("/usr/games/quake"), "quake");
    EXPECT_EQ(LinkedProgramName("game.exe"), std::nullopt);

    StoreSelection(DeviceKind::kKeyboard, ProfileType::kKey, 2);
    EXPECT_EQ(SelectedIndex(DeviceKind::kKeyboard, ProfileType::kKey), 2);
    EXPECT_EQ(SelectedIndex(DeviceKind::kKeyboard, ProfileType::kDevice), 0);
    EXPECT_EQ(platform::fs::GetProfileString("PROFILESELECT", "select", "",
                                             ListPath(DeviceKind::kKeyboard)),
              "2");
}

}  // namespace
}  // namespace profile
