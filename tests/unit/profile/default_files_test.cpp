// The default profile files and cursor presets that the build writes into the program folder.
#include <gtest/gtest.h>

#include <sstream>

#include "app/binary_file.h"
#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"
#include "profile/payload_layout.h"
#include "profile/profile_store.h"
#include "temp_folder.h"

namespace profile {
namespace {

using keyboard::EffectSet;

class DefaultFilesTest : public ::testing::Test {
protected:
    kavrin_testing::ScopedEnv program_{platform::fs::kProgramDirVariable,
                                       KAVRIN_GENERATED_PROGRAM_DIR};
};

struct DefaultFile {
    DeviceKind kind;
    ProfileType type;
    EffectSet set;
    size_t recordOffset;
};

TEST_F(DefaultFilesTest, EveryDefaultFileCarriesThePayloadOfItsTypeWithPlausibleLighting) {
    const DefaultFile files[] = {
        {DeviceKind::kMouse, ProfileType::kDevice, EffectSet::kA, layout::kMouseDeviceRecord},
        {DeviceKind::kKeyboard, ProfileType::kDevice, EffectSet::kA, layout::kKeyboardDeviceRecord},
        {DeviceKind::kKeyboard, ProfileType::kDevice, EffectSet::kB, layout::kKeyboardDeviceRecord},
        {DeviceKind::kKeyboard, ProfileType::kLight, EffectSet::kA, 0},
        {DeviceKind::kKeyboard, ProfileType::kLight, EffectSet::kB, 0},
        {DeviceKind::kKeyboard, ProfileType::kKey, EffectSet::kA, SIZE_MAX},
        {DeviceKind::kKeyboard, ProfileType::kKey, EffectSet::kB, SIZE_MAX},
        {DeviceKind::kPad, ProfileType::kLight, EffectSet::kA, 0},
    };
    for (const DefaultFile& file : files) {
        const std::string name(DefaultFileName(file.kind, file.type, file.set));
        SCOPED_TRACE(name);
        std::vector<uint8_t> payload(PayloadSize(file.kind, file.type));
        ASSERT_EQ(ReadDefaultFile(name, payload), kLoaded);
        const auto bytes = platform::fs::ReadFile(platform::fs::ProgramFolder() + name);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(bytes->size(), app::kBinaryHeaderSize + payload.size());
        EXPECT_EQ((*bytes)[app::kKindCodeOffset], static_cast<char>(KindCode(file.kind)));
        if (file.recordOffset == SIZE_MAX) {
            EXPECT_NE(payload[2], 0) << "the first key has a function";
            continue;
        }
        const uint8_t* record = payload.data() + file.recordOffset;
        EXPECT_EQ(record[mouse::kActiveSlot], 0);
        EXPECT_LE(record[mouse::kBrightness], 4);
        EXPECT_LE(record[mouse::kSpeed], 4);
        EXPECT_LE(record[mouse::kColourCycle], 1);
    }
    // The mouse profile also carries the pointer settings.
    std::vector<uint8_t> mouse(layout::kMouseDeviceSize);
    ASSERT_EQ(ReadDefaultFile("msdevicedefault.config", mouse), kLoaded);
    const uint8_t* record = mouse.data() + layout::kMouseDeviceRecord;
    EXPECT_GE(record[mouse::kPointerSpeed], 1);
    EXPECT_LE(record[mouse::kPointerSpeed], 20);
    EXPECT_GE(record[mouse::kWheelLines], 1);
    EXPECT_LE(record[mouse::kWheelLines], 100);
}

TEST_F(DefaultFilesTest, CursorPresetsArePointsOfSixPointerMoves) {
    for (int preset = 1; preset <= 4; ++preset) {
        const std::string path =
            platform::fs::ProgramFolder() + "name_" + std::to_string(preset) + ".cur";
        SCOPED_TRACE(path);
        const int count = platform::fs::GetPrivateProfileInt("MACROACTIONCOUNT", "count", 0, path);
        EXPECT_GT(count, 0);
        EXPECT_EQ(count % 6, 0);
        for (int i = 0; i < count; ++i) {
            std::istringstream action(
                platform::fs::GetProfileString("MACROACTION", std::to_string(i), "", path));
            int low = -1, high = -1, type = -1, code = -1, down = -1;
            char comma = 0;
            std::string name;
            action >> low >> comma >> high >> comma >> type >> comma >> code >> comma >> down >>
                comma >> name;
            ASSERT_TRUE(action.eof() || action.good()) << i;
            const int kind = type & 0x7F;
            const bool negative = (type & 0x80) != 0;
            EXPECT_TRUE(kind == 4 || kind == 5) << i;
            EXPECT_TRUE(low >= 0 && low <= 255 && high >= 0 && high <= 255) << i;
            EXPECT_TRUE(code >= 0 && code <= 255) << i;
            EXPECT_EQ(down, negative ? 1 : 0) << i;
            const char* expected =
                kind == 4 ? (negative ? "mouse_move_to_left_text" : "mouse_move_to_right_text")
                          : (negative ? "mouse_move_to_up_text" : "mouse_move_to_down_text");
            EXPECT_EQ(name, expected) << i;
        }
    }
}

}  // namespace
}  // namespace profile
