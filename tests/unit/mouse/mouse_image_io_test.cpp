// The mouse image against the simulated mouse: what is read, what is written, what is stored.
#include "mouse/mouse_image_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "app/binary_file.h"
#include "devsim/protocol.h"
#include "platform/fs/file_ops.h"
#include "sim_links.h"

namespace mouse {
namespace {

class CountingPages : public MousePages {
public:
    void RefreshMousePages() override { ++refreshes; }
    int refreshes = 0;
};

class MouseImageTest : public ::testing::Test {
protected:
    // The parameter area with a distinct value in every byte, so misplaced copies show.
    void FillDeviceParams() {
        links_.sim.mouse().EditMemory([](devsim::DeviceMemory& memory) {
            std::iota(memory.params.begin(), memory.params.end(), uint8_t{1});
        });
    }
    std::vector<devsim::ExchangeRecord> Requests(uint8_t command) {
        std::vector<devsim::ExchangeRecord> found;
        std::ranges::copy_if(links_.sim.mouse().log(), std::back_inserter(found),
                             [command](const auto& r) { return r.command == command; });
        return found;
    }
    // The stored profile file of the mouse (no list yet: the name is "0").
    std::optional<std::string> StoredFile(const char* extension) {
        return platform::fs::ReadFile(links_.DataFile("ms", std::string("0") + extension));
    }

    kavrin_testing::SimLinks links_;
    MouseImage image_;
    CountingPages pages_;
};

TEST_F(MouseImageTest, FullReadMirrorsTheFirmwareAndActivatesSlotZero) {
    image_.records[0].fill(0x5A);
    image_.records[0][kActiveSlot] = 3;

    LoadMouseImage(links_.mouse, image_, pages_);

    const devsim::DeviceMemory memory = links_.sim.mouse().memory();
    EXPECT_TRUE(std::ranges::equal(image_.info, memory.info));
    EXPECT_TRUE(std::equal(image_.defaultKeys.begin(), image_.defaultKeys.end(),
                           memory.defaultTable.begin()));
    for (size_t page = 0; page < kKeyMapPageCount; ++page) {
        EXPECT_TRUE(std::equal(image_.keyPages[page].begin(), image_.keyPages[page].end(),
                               memory.keyTables.begin() + devsim::KeyTableOffset(page)))
            << page;
    }
    // The block comes from record 0 as the profile files left it, not from the device.
    EXPECT_EQ(image_.block.Get(kActiveSlot), 0);
    EXPECT_EQ(image_.block.Get(kEffect), 0x5A);
    EXPECT_FALSE(links_.sim.mouse().sessionOpen());
    EXPECT_EQ(pages_.refreshes, 1);
    const auto stored = StoredFile(".config");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->size(), app::kBinaryHeaderSize + 576);
}

TEST_F(MouseImageTest, FlushSendsTheBlockAndFifteenZerosOnlyWhenDirty) {
    links_.sim.mouse().EditMemory([](devsim::DeviceMemory& memory) {
        std::fill(memory.params.begin(), memory.params.begin() + 64, uint8_t{0xEE});
    });
    for (size_t i = 0; i < kParamBlockSize; ++i) {
        image_.block.Set(i, static_cast<uint8_t>(i + 1));
    }
    image_.records[0][kPointerSpeed] = 17;
    image_.records[0][kWheelLines] = 9;

    FlushMouseParams(links_.mouse, image_);
    EXPECT_TRUE(Requests(devsim::command::kWriteParams).empty()) << "not dirty";

    image_.paramsDirty = true;
    FlushMouseParams(links_.mouse, image_);
    EXPECT_FALSE(image_.paramsDirty);
    const auto writes = Requests(devsim::command::kWriteParams);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].offset, 0);
    ASSERT_EQ(writes[0].data.size(), kParamTransferSize);
    const auto block = image_.block.Bytes();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), writes[0].data.begin()));
    EXPECT_TRUE(std::all_of(writes[0].data.begin() + kParamBlockSize, writes[0].data.end(),
                            [](uint8_t b) { return b == 0; }));
    const devsim::DeviceMemory memory = links_.sim.mouse().memory();
    EXPECT_TRUE(std::all_of(memory.params.begin() + kParamBlockSize,
                            memory.params.begin() + kParamTransferSize,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(memory.params[kParamTransferSize], 0xEE) << "beyond the transfer";
}

TEST_F(MouseImageTest, FlushWhileTheMouseIsAbsentClearsTheFlagWithoutTraffic) {
    links_.mouse.connected = false;
    image_.paramsDirty = true;
    FlushMouseParams(links_.mouse, image_);
    EXPECT_FALSE(image_.paramsDirty);
    EXPECT_TRUE(links_.sim.mouse().log().empty());
}

TEST_F(MouseImageTest, ReloadTakesRecordZeroFromTheDeviceWhateverSlotBytesSay) {
    FillDeviceParams();
    links_.sim.mouse().ForceActiveRecord(7);  // no record 7 exists
    image_.records[0].fill(0xCC);
    // A slot byte from a profile file naming no record: the block has nowhere to go back to.
    image_.block.Set(kActiveSlot, 9);

    ReloadMouseParams(links_.mouse, image_, pages_);

    const devsim::DeviceMemory memory = links_.sim.mouse().memory();
    EXPECT_EQ(image_.records[0][0], 0);
    // Bytes 41 and 42 are the pointer settings, which storing the profiles puts there.
    EXPECT_TRUE(std::equal(image_.records[0].begin() + 1, image_.records[0].begin() + kPointerSpeed,
                           memory.params.begin() + 1));
    EXPECT_TRUE(std::equal(image_.records[0].begin() + kWheelLines + 1,
                           image_.records[0].begin() + kParamTransferSize,
                           memory.params.begin() + kWheelLines + 1));
    EXPECT_EQ(image_.records[0][kPointerSpeed], image_.pointerSpeed);
    EXPECT_EQ(image_.records[0][kParamTransferSize], 0xCC) << "bytes 56 … 63 kept";
    EXPECT_EQ(image_.block.Get(kActiveSlot), 0);
    EXPECT_EQ(image_.block.Get(kEffect), memory.params[kEffect]);
    EXPECT_EQ(pages_.refreshes, 1);
    EXPECT_TRUE(StoredFile(".led"));
    EXPECT_TRUE(StoredFile(".config"));
}

TEST_F(MouseImageTest, ReloadThatCannotReadKeepsTheRecordAndTheEditedBlock) {
    image_.block.Set(kEffect, 4);
    links_.sim.mouse().Unplug();

    ReloadMouseParams(links_.mouse, image_, pages_);

    EXPECT_EQ(image_.records[0][kEffect], 4);
    EXPECT_EQ(image_.block.Get(kEffect), 4);
    EXPECT_EQ(image_.block.Get(kActiveSlot), 0);
}

}  // namespace
}  // namespace mouse
