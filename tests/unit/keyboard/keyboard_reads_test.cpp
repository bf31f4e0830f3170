// The keyboard reads against the simulated keyboard, and the grid map.
#include "keyboard/keyboard_reads.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "devsim/keyboard_model.h"
#include "keyboard/keyboard_layout.h"
#include "platform/fs/file_ops.h"
#include "sim_links.h"

namespace keyboard {
namespace {

constexpr size_t kEscapeSlot = 0;
constexpr size_t kLeftShiftSlot = 84;
constexpr size_t kEmptySlot = 16;  // right of Pause

class KeyboardReadTest : public ::testing::Test {
protected:
    bool Stored(const char* file) const {
        return platform::fs::FileExists(links_.DataFile("kb", file));
    }

    kavrin_testing::SimLinks links_;
    KeyboardData data_;
};

TEST_F(KeyboardReadTest, FullReadTakesThreeBytesPerKeyAndMapsTheKeys) {
    const size_t keys = devsim::keyboard::kKeyCount;
    data_.records[0][mouse::kEffect] = 7;
    data_.records[0][mouse::kActiveSlot] = 2;

    ASSERT_EQ(ReadKeyboardAll(links_.keyboard, data_), FullReadResult::kRead);

    const devsim::DeviceMemory memory = links_.sim.keyboard().memory();
    EXPECT_EQ(links_.keyboard.length, 3 * keys);
    EXPECT_TRUE(std::ranges::equal(data_.info, memory.info));
    EXPECT_TRUE(std::equal(data_.defaultKeys.begin(), data_.defaultKeys.begin() + 3 * keys,
                           memory.defaultTable.begin()));
    EXPECT_TRUE(std::equal(data_.keyPages[0].begin(), data_.keyPages[0].begin() + 3 * keys,
                           memory.keyTables.begin()));
    EXPECT_TRUE(std::all_of(data_.keyPages[0].begin() + 3 * keys, data_.keyPages[0].end(),
                            [](uint8_t b) { return b == 0; }))
        << "nothing undelivered beyond 3n";
    EXPECT_EQ(data_.block.Get(mouse::kActiveSlot), 0);
    EXPECT_EQ(data_.block.Get(mouse::kEffect), 7);
    EXPECT_EQ(data_.gridMap[kEscapeSlot], 0);
    const auto shift =
        std::ranges::find(devsim::keyboard::kFactoryKeys, devsim::Function{0x20, 0x02, 0x00});
    EXPECT_EQ(data_.gridMap[kLeftShiftSlot], shift - devsim::keyboard::kFactoryKeys.begin());
    EXPECT_EQ(data_.gridMap[kEmptySlot], kNoDeviceKey);
    EXPECT_TRUE(Stored("0.pro"));
    EXPECT_TRUE(Stored("0.config"));
}

TEST_F(KeyboardReadTest, RefusedOrAbsentKeyboardReadsNoTableAndStoresNothing) {
    struct Case {
        const char* name;
        uint8_t keyCount;
        bool plugged;
        FullReadResult result;
    };
    const Case cases[] = {
        {"171 keys", 171, true, FullReadResult::kTooManyKeys},
        {"absent", 104, false, FullReadResult::kNoAnswer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        links_.sim.keyboard().EditMemory(
            [&](devsim::DeviceMemory& memory) { memory.info[kInfoKeyCount] = c.keyCount; });
        if (!c.plugged) {
            links_.sim.keyboard().Unplug();
        }
        links_.sim.keyboard().ClearLog();
        data_.defaultKeys.fill(0x44);

        EXPECT_EQ(ReadKeyboardAll(links_.keyboard, data_), c.result);

        EXPECT_EQ(links_.keyboard.length, device::kDefaultTransferLength);
        EXPECT_EQ(data_.defaultKeys[0], 0x44);
        EXPECT_EQ(data_.gridMap, EmptyGridMap());
        EXPECT_FALSE(Stored("0.pro"));
        for (const auto& request : links_.sim.keyboard().log()) {
            EXPECT_NE(request.command, devsim::command::kReadDefaultTable);
            EXPECT_NE(request.command, devsim::command::kReadKeyTable);
        }
        EXPECT_FALSE(links_.sim.keyboard().sessionOpen());
    }
}

TEST_F(KeyboardReadTest, ParameterReReadTakesRecordZeroAndStoresTheDeviceProfile) {
    links_.sim.keyboard().ForceActiveRecord(9);
    data_.block.Set(mouse::kActiveSlot, 3);
    data_.block.Set(mouse::kEffect, 11);

    ReadKeyboardParams(links_.keyboard, data_);

    const devsim::DeviceMemory memory = links_.sim.keyboard().memory();
    EXPECT_EQ(data_.records[3][mouse::kEffect], 11) << "the block went back to its record";
    EXPECT_EQ(data_.records[0][mouse::kActiveSlot], 0);
    EXPECT_EQ(data_.block.Get(mouse::kEffect), memory.params[mouse::kEffect]);
    EXPECT_EQ(data_.block.Get(mouse::kActiveSlot), 0);
    EXPECT_TRUE(Stored("0.config"));
}

TEST(GridMapTest, FirstMatchingKeyWinsAndUnmatchedSlotsKeepTheirEntry) {
    KeyboardData data;
    data.info[kInfoKeyCount] = 3;
    const Function escape = kKeyboardLayout[kEscapeSlot];
    const Function shift = kKeyboardLayout[kLeftShiftSlot];
    for (size_t key = 0; key < 3; ++key) {
        const Function& code = key == 1 ? shift : escape;  // keys 0 and 2 are both Escape
        std::ranges::copy(code, data.defaultKeys.begin() + 3 * key);
    }
    data.gridMap[1] = 5;  // an older mapping

    BuildGridMap(data);

    EXPECT_EQ(data.gridMap[kEscapeSlot], 0);
    EXPECT_EQ(data.gridMap[kLeftShiftSlot], 1);
    EXPECT_EQ(data.gridMap[1], 5);
    EXPECT_EQ(data.gridMap[2], kNoDeviceKey);
}

TEST(EffectSetTest, ProductIdsSelectTheModel) {
    EXPECT_EQ(EffectSetOf(0x0800), EffectSet::kA);
    EXPECT_EQ(EffectSetOf(0x6556), EffectSet::kB);
    EXPECT_EQ(EffectSetOf(0x7200), std::nullopt);
}

}  // namespace
}  // namespace keyboard
