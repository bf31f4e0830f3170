#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "devsim/device_kind.h"
#include "devsim/keyboard_model.h"
#include "devsim/mouse_model.h"
#include "devsim/pad_model.h"

namespace devsim {
namespace {

Function FunctionAt(const std::vector<uint8_t>& area, size_t offset) {
    return {area.at(offset), area.at(offset + 1), area.at(offset + 2)};
}

// The host labels buttons 2 … 7 "Middle Click", "Right Click", "Forward", "Backward",
// "DPI Loop" and "DPI-" until the user renames them; the factory map must do just that.
TEST(MouseModel, FactoryButtonsMatchTheBuiltInLabels) {
    const std::vector<Function> expected = {
        {0x10, 0x01, 0x00},  // left
        {0x10, 0x04, 0x00},  // Middle Click
        {0x10, 0x02, 0x00},  // Right Click
        {0x10, 0x10, 0x00},  // Forward
        {0x10, 0x08, 0x00},  // Backward
        {0x13, 0x03, 0x00},  // DPI Loop
        {0x13, 0x02, 0x00},  // DPI-
    };
    const DeviceMemory memory = mouse::FactoryMemory();
    for (size_t button = 0; button < expected.size(); ++button) {
        EXPECT_EQ(FunctionAt(memory.defaultTable, 3 * button), expected[button]);
        for (size_t index = 0; index < kKeyTableCount; ++index) {
            EXPECT_EQ(FunctionAt(memory.keyTables, KeyTableOffset(index) + 3 * button),
                      expected[button])
                << "table " << index << " button " << button + 1;
        }
    }
}

TEST(MouseModel, InformationBlockAndAreasAgree) {
    const DeviceMemory memory = mouse::FactoryMemory();
    EXPECT_EQ(memory.macroArea.size(), size_t{memory.info[kInfoMacroCapacity]} * kMacroUnit);
    EXPECT_GT(memory.info[kInfoMaxDpiSlider], 0);
    EXPECT_EQ(memory.info[kInfoMinDpi] | memory.info[kInfoMinDpi + 1] << 8, mouse::kMinDpi);
    EXPECT_EQ(memory.defaultTable.size(), kDefaultTableSize);
    // A 512-byte transfer from the last key table stays inside the area.
    EXPECT_GE(memory.keyTables.size(), KeyTableOffset(kKeyTableCount - 1) + 512);
}

TEST(MouseModel, EveryRecordHoldsPlausibleSettings) {
    const DeviceMemory memory = mouse::FactoryMemory();
    EXPECT_EQ(memory.params[kParamActiveRecord], 0);
    for (size_t record = 0; record < kParamRecordCount; ++record) {
        const auto base = memory.params.begin() + ParamRecordOffset(record);
        EXPECT_LE(base[kParamReportRate], 3);
        EXPECT_LE(base[kParamBrightness], 4);
        EXPECT_LE(base[kParamSpeed], 4);
        for (size_t level : kParamDpiLevels) {
            EXPECT_LE(base[level], memory.info[kInfoMaxDpiSlider]);
        }
        EXPECT_TRUE(std::any_of(base + kParamDpiColours, base + kParamDpiColours + 18,
                                [](uint8_t byte) { return byte != 0; }));
    }
}

TEST(KeyboardModel, DefaultTableListsEveryKeyOnce) {
    const DeviceMemory memory = keyboard::FactoryMemory();
    const size_t keys = memory.info[kInfoKeyCount];
    EXPECT_EQ(keys, keyboard::kKeyCount);
    std::vector<Function> seen;
    for (size_t key = 0; key < keys; ++key) {
        const Function code = FunctionAt(memory.defaultTable, 3 * key);
        EXPECT_NE(code, (Function{0x20, 0, 0})) << "key " << key << " is empty";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), code), 0) << "key " << key;
        seen.push_back(code);
        EXPECT_EQ(FunctionAt(memory.keyTables, 3 * key), code);
    }
    EXPECT_TRUE(std::all_of(memory.defaultTable.begin() + 3 * keys, memory.defaultTable.end(),
                            [](uint8_t byte) { return byte == 0; }));
    // First and last keys of the layout: Escape and right GUI.
    EXPECT_EQ(seen.front(), (Function{0x20, 0, 41}));
    EXPECT_EQ(seen.back(), (Function{0x20, 0x80, 0}));
    EXPECT_TRUE(memory.macroArea.empty());
}

TEST(PadModel, HasLightingOnly) {
    const DeviceMemory memory = pad::FactoryMemory();
    EXPECT_TRUE(memory.keyTables.empty());
    EXPECT_TRUE(memory.defaultTable.empty());
    EXPECT_TRUE(memory.macroArea.empty());
    for (size_t record = 0; record < kParamRecordCount; ++record) {
        const size_t base = ParamRecordOffset(record);
        EXPECT_EQ(memory.params[base], record);  // record 0: active record 0
        EXPECT_EQ(memory.params[base + kParamBrightness], pad::kFactoryLighting.brightness);
    }
}

TEST(DeviceModels, IdentitiesAndNames) {
    EXPECT_EQ(ModelOf(DeviceKind::kMouse).vendorId, 0x260D);
    EXPECT_TRUE(HasProductId(ModelOf(DeviceKind::kMouse), 0x1099));
    EXPECT_TRUE(HasProductId(ModelOf(DeviceKind::kKeyboard), 0x7200));
    EXPECT_FALSE(HasProductId(ModelOf(DeviceKind::kKeyboard), 0x5004));
    EXPECT_EQ(FindModel("pad")->kind, DeviceKind::kPad);
    EXPECT_EQ(FindModel("mousepad"), nullptr);
}

}  // namespace
}  // namespace devsim
