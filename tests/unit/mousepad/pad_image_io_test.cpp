// The mousepad reads against the simulated mousepad.
#include "mousepad/pad_image_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "mouse/param_flush.h"
#include "sim_links.h"

namespace mousepad {
namespace {

using mouse::kActiveSlot;
using mouse::kEffect;
using mouse::kParamRecordSize;
using mouse::kParamTransferSize;

class CountingPage : public PadPages {
public:
    void RefreshPadLightPage() override { ++refreshes; }
    int refreshes = 0;
};

class PadImageTest : public ::testing::Test {
protected:
    PadImageTest() {
        // A distinct value in every byte of the device's area, and a held tail that must stay.
        links_.sim.pad().EditMemory([](devsim::DeviceMemory& memory) {
            std::iota(memory.params.begin(), memory.params.end(), uint8_t{1});
        });
        for (auto& record : data_.records) {
            record.fill(0xEE);
        }
    }
    void ExpectBlockIsRecord(size_t record) {
        for (size_t i = 1; i < kParamBlockSize; ++i) {
            EXPECT_EQ(data_.block.Get(i), data_.records[record][i]) << i;
        }
        EXPECT_EQ(data_.block.Get(kActiveSlot), record);
    }

    kavrin_testing::SimLinks links_;
    PadData data_;
    CountingPage page_;
};

TEST_F(PadImageTest, FullReadFillsEveryRecordAndTheBlockOfTheActiveProfile) {
    links_.sim.pad().ForceActiveRecord(2);
    LoadPadImage(links_.pad, data_, page_);

    const devsim::DeviceMemory memory = links_.sim.pad().memory();
    for (size_t record = 0; record < data_.records.size(); ++record) {
        const auto device = memory.params.begin() + record * kParamRecordSize;
        EXPECT_TRUE(std::equal(data_.records[record].begin(),
                               data_.records[record].begin() + kParamTransferSize, device))
            << record;
        EXPECT_TRUE(std::all_of(data_.records[record].begin() + kParamTransferSize,
                                data_.records[record].end(), [](uint8_t b) { return b == 0xEE; }))
            << record;
    }
    ExpectBlockIsRecord(2);
    EXPECT_FALSE(links_.sim.pad().sessionOpen());
    EXPECT_EQ(page_.refreshes, 1);
}

TEST_F(PadImageTest, ActiveProfileAboveFourIsNeverUsedAsARecord) {
    data_.block.Set(kEffect, 6);
    links_.sim.pad().ForceActiveRecord(200);

    LoadPadImage(links_.pad, data_, page_);
    EXPECT_EQ(data_.block.Get(kEffect), 6);
    EXPECT_EQ(data_.block.Get(kActiveSlot), 0);

    ReloadPadParams(links_.pad, data_, page_);
    EXPECT_EQ(data_.block.Get(kEffect), 6);
    EXPECT_EQ(page_.refreshes, 2);
}

TEST_F(PadImageTest, ReloadSavesTheBlockIntoItsRecordAndReadsTheActiveOne) {
    links_.sim.pad().ForceActiveRecord(1);
    LoadPadImage(links_.pad, data_, page_);
    data_.block.Set(kEffect, 9);  // an edit of profile 1
    links_.sim.pad().ForceActiveRecord(3);

    ReloadPadParams(links_.pad, data_, page_);

    EXPECT_EQ(data_.records[1][kEffect], 9);
    const devsim::DeviceMemory memory = links_.sim.pad().memory();
    EXPECT_EQ(data_.records[3][kActiveSlot], 3);
    EXPECT_TRUE(std::equal(data_.records[3].begin() + 1,
                           data_.records[3].begin() + kParamTransferSize,
                           memory.params.begin() + 3 * kParamRecordSize + 1));
    ExpectBlockIsRecord(3);
}

TEST_F(PadImageTest, ReadsOfAnAbsentPadKeepEverythingHeld) {
    data_.block.Set(kEffect, 5);
    links_.sim.pad().Unplug();
    LoadPadImage(links_.pad, data_, page_);
    ReloadPadParams(links_.pad, data_, page_);
    // Only the block's own record changed: the re-read put the block back there.
    EXPECT_EQ(data_.records[0][kEffect], 5);
    for (size_t record = 1; record < data_.records.size(); ++record) {
        EXPECT_EQ(data_.records[record][kEffect], 0xEE) << record;
    }
    EXPECT_EQ(data_.block.Get(kEffect), 5);
}

TEST_F(PadImageTest, WriteOutSendsTheBlockFollowedByZeros) {
    for (size_t i = 0; i < kParamBlockSize; ++i) {
        data_.block.Set(i, static_cast<uint8_t>(0xA0 + i));
    }
    data_.paramsDirty = true;
    mouse::FlushParamBlock(links_.pad, data_.block, data_.paramsDirty);

    EXPECT_FALSE(data_.paramsDirty);
    const devsim::DeviceMemory memory = links_.sim.pad().memory();
    const auto block = data_.block.Bytes();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), memory.params.begin()));
    EXPECT_TRUE(std::all_of(memory.params.begin() + kParamBlockSize,
                            memory.params.begin() + kParamTransferSize,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(memory.params[kParamTransferSize], kParamTransferSize + 1) << "beyond the transfer";
}

}  // namespace
}  // namespace mousepad
