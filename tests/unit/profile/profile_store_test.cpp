// Loading and saving profiles: file formats, what reaches the state, and refusals.
#include "profile/profile_store.h"

#include <gtest/gtest.h>

#include "app/binary_file.h"
#include "app/data_folders.h"
#include "platform/fs/file_ops.h"
#include "platform/shell/system_parameters.h"
#include "profile/payload_layout.h"
#include "profile_fixture.h"

namespace profile {
namespace {

constexpr size_t kNoRecord = SIZE_MAX;

struct Kind {
    DeviceKind kind;
    ProfileType type;
    const char* savedAs;  // extension of the file the saver writes
    size_t payloadSize;
    size_t recordOffset;  // record 0 in the payload, kNoRecord for key maps
};

const Kind kAllKinds[] = {
    {DeviceKind::kMouse, ProfileType::kDevice, ".config", 576, layout::kMouseDeviceRecord},
    {DeviceKind::kMouse, ProfileType::kLight, ".led", 64, 0},
    {DeviceKind::kMouse, ProfileType::kKey, ".pro", 512, kNoRecord},
    {DeviceKind::kKeyboard, ProfileType::kDevice, ".config", 2470, layout::kKeyboardDeviceRecord},
    {DeviceKind::kKeyboard, ProfileType::kLight, ".led", 1958, 0},
    {DeviceKind::kKeyboard, ProfileType::kKey, ".pro", 512, kNoRecord},
    {DeviceKind::kPad, ProfileType::kLight, ".led", 64, 0},
};

std::string Describe(const Kind& k) {
    return std::to_string(KindCode(k.kind)) + std::string(k.savedAs);
}

TEST_F(ProfileTest, SaveWritesTheSelectedProfileWithItsSizeKindCodeAndFreshRecord) {
    for (const Kind& k : kAllKinds) {
        SCOPED_TRACE(Describe(k));
        WriteList(k.kind, k.type, {"first", "Mine"}, 1);
        FillState(7);
        const uint8_t blockEffect = 0xE1;
        mouse_.block.Set(mouse::kEffect, blockEffect);
        keyboard_.block.Set(mouse::kEffect, blockEffect);
        pad_.block.Set(mouse::kEffect, blockEffect);

        SaveSelectedProfile(state_, k.kind, k.type);

        const auto file = platform::fs::ReadFile(KindFolder(k.kind) + "Mine" + k.savedAs);
        ASSERT_TRUE(file);
        ASSERT_EQ(file->size(), app::kBinaryHeaderSize + k.payloadSize);
        EXPECT_EQ(static_cast<uint8_t>((*file)[0]), 0xAA);
        EXPECT_EQ(static_cast<uint8_t>((*file)[1]), 0x55);
        EXPECT_EQ((*file)[4], static_cast<char>(KindCode(k.kind)));
        EXPECT_EQ((*file)[5], 0);
        EXPECT_EQ(platform::fs::FileExists(KindFolder(k.kind) + "first" + k.savedAs), false);
        if (k.recordOffset != kNoRecord) {
            const size_t record = app::kBinaryHeaderSize + k.recordOffset;
            EXPECT_EQ(static_cast<uint8_t>((*file)[record + mouse::kEffect]), blockEffect);
        }
    }
}

TEST_F(ProfileTest, WhatIsLoadedSavesBackToTheSameFile) {
    for (const Kind& k : kAllKinds) {
        SCOPED_TRACE(Describe(k));
        WriteList(k.kind, k.type, {"copy", "original"}, 1);
        FillState(static_cast<uint8_t>(k.payloadSize));
        // The pointer settings of a device profile come from the system, not the file.
        platform::shell::SetPointerSpeed(mouse_.pointerSpeed);
        platform::shell::SetWheelScrollLines(mouse_.wheelLines);
        SaveSelectedProfile(state_, k.kind, k.type);

        FillState(3);
        ASSERT_EQ(LoadProfile(state_, k.kind, k.type, 1), kLoaded);
        WriteList(k.kind, k.type, {"copy", "original"}, 0);
        SaveSelectedProfile(state_, k.kind, k.type);

        const auto original = platform::fs::ReadFile(KindFolder(k.kind) + "original" + k.savedAs);
        const auto copy = platform::fs::ReadFile(KindFolder(k.kind) + "copy" + k.savedAs);
        ASSERT_TRUE(original && copy);
        EXPECT_TRUE(*original == *copy);
    }
}

TEST_F(ProfileTest, UnreadableProfilesChangeNothing) {
    const std::vector<uint8_t> badSignature = {0x55, 0xAA};
    for (const Kind& k : kAllKinds) {
        SCOPED_TRACE(Describe(k));
        WriteList(k.kind, k.type, {"broken", "missing"}, 0);
        PutFile(KindFolder(k.kind) + "broken" + k.savedAs, badSignature,
                std::vector<uint8_t>(k.payloadSize, 0x33));
        FillState(9);
        const std::vector<uint8_t> before = Snapshot();

        EXPECT_EQ(LoadProfile(state_, k.kind, k.type, 0), kBadSignature);
        EXPECT_EQ(LoadProfile(state_, k.kind, k.type, 1), kMissing);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(ProfileTest, ShortPayloadLoadsWithAZeroTail) {
    WriteList(DeviceKind::kKeyboard, ProfileType::kLight, {"short"}, 0);
    // Record 0, the custom index and colour, then only 100 bytes of the custom sets.
    PutFile(KindFolder(DeviceKind::kKeyboard) + "short.led", {0xAA, 0x55},
            std::vector<uint8_t>(layout::kKeyboardLightExtras + keyboard::kExtrasSets + 100, 0x11));
    keyboard_.extras.fill(0x77);

    ASSERT_EQ(LoadProfile(state_, DeviceKind::kKeyboard, ProfileType::kLight, 0), kLoaded);
    EXPECT_EQ(keyboard_.records[0][63], 0x11);
    EXPECT_EQ(keyboard_.extras[keyboard::kExtrasSets + 99], 0x11);
    EXPECT_EQ(keyboard_.extras[keyboard::kExtrasSets + 100], 0);
    EXPECT_EQ(keyboard_.extras.back(), 0);
}

TEST_F(ProfileTest, PointerSettingsComeFromTheSystemOrTheLightProfile) {
    struct Case {
        ProfileType type;
        uint8_t fileSpeed, fileLines;
        int systemSpeed, systemLines;
        int speed, lines;
    };
    const Case cases[] = {
        {ProfileType::kDevice, 15, 40, 6, 12, 6, 12},
        {ProfileType::kDevice, 15, 40, 0, 0, 1, 1},
        {ProfileType::kLight, 15, 255, 6, 12, 15, 255},
        {ProfileType::kLight, 0, 0, 6, 12, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.type) << " " << int{c.fileSpeed});
        WriteList(DeviceKind::kMouse, c.type, {"p"}, 0);
        const size_t record = c.type == ProfileType::kDevice ? layout::kMouseDeviceRecord : 0;
        std::vector<uint8_t> payload(PayloadSize(DeviceKind::kMouse, c.type));
        payload[record + mouse::kPointerSpeed] = c.fileSpeed;
        payload[record + mouse::kWheelLines] = c.fileLines;
        PutFile(KindFolder(DeviceKind::kMouse) + "p" + std::string(Extension(c.type)), {0xAA, 0x55},
                payload);
        platform::shell::SetPointerSpeed(c.systemSpeed);
        platform::shell::SetWheelScrollLines(c.systemLines);

        ASSERT_EQ(LoadMouseProfile(mouse_, c.type, 0), kLoaded);
        EXPECT_EQ(mouse_.pointerSpeed, c.speed);
        EXPECT_EQ(mouse_.wheelLines, c.lines);
    }
}

TEST_F(ProfileTest, NamesThatLeaveTheDataFolderAreRefused) {
    FillState(5);
    std::vector<uint8_t> before = Snapshot();
    for (const std::string name : {"../escape", "sub/escape", "..", "back\\slash", ""}) {
        SCOPED_TRACE(name);
        WriteList(DeviceKind::kMouse, ProfileType::kDevice, {name}, 0);
        // A file where the name points, which a load must not read.
        PutFile(app::GetDataFolder() + "escape.config", {0xAA, 0x55}, std::vector<uint8_t>(576, 1));

        EXPECT_EQ(LoadProfile(state_, DeviceKind::kMouse, ProfileType::kDevice, 0), kMissing);
        EXPECT_EQ(Snapshot(), before);
        SaveSelectedProfile(state_, DeviceKind::kMouse, ProfileType::kDevice);
        before = Snapshot();  // saving refreshes record 0 in memory, whatever the file does
    }
    // Nothing was written outside the mouse folder but the planted file and the list.
    const auto planted = platform::fs::ReadFile(app::GetDataFolder() + "escape.config");
    ASSERT_TRUE(planted);
    EXPECT_EQ((*planted)[16], 1);
    EXPECT_FALSE(platform::fs::FileExists(app::GetMouseFolder() + "sub/escape.config"));
    EXPECT_FALSE(platform::fs::FileExists(app::GetMouseFolder() + ".config"));
}

}  // namespace
}  // namespace profile
