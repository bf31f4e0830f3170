#include "platform/hid/input_items.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "descriptor_builder.h"
#include "platform/hid/report_fields.h"
#include "sample_descriptors.h"

namespace platform::hid {
namespace {

using testing::DescriptorBuilder;
using ::testing::ElementsAre;
using testing::kData;
using testing::kNullState;
using testing::kVariable;

constexpr uint32_t kSuccess = static_cast<uint32_t>(HidStatus::kSuccess);

PreparsedData Parse(const std::vector<uint8_t>& descriptor, size_t collection = 0) {
    ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    EXPECT_TRUE(parsed.ok());
    return parsed.collections.at(collection);
}

// The usages before the terminating 0 (or the whole list when it is full).
std::vector<uint16_t> Pressed(const HidDataItem& item) {
    std::vector<uint16_t> pressed;
    for (uint16_t usage : item.usages) {
        if (usage == 0) {
            break;
        }
        pressed.push_back(usage);
    }
    return pressed;
}

TEST(InputItems, TableHasOneItemPerButtonCapAndPerValueUsage) {
    const PreparsedData mouse = Parse(testing::kBootMouse);
    std::vector<HidDataItem> items = BuildInputItems(mouse);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_TRUE(items[0].isButton);
    EXPECT_EQ(items[0].usages.size(), 3u);  // the parser's list length for the button page
    EXPECT_EQ(items[0].status, kSuccess);
    EXPECT_FALSE(items[1].isButton);
    EXPECT_EQ(items[1].usage, 0x30);
    EXPECT_EQ(items[2].usage, 0x31);

    // A value range yields one item per usage.
    const PreparsedData ranged = Parse(DescriptorBuilder()
                                           .UsagePage(0x01)
                                           .Usage(0x04)
                                           .Application()
                                           .UsageMin(0x30)
                                           .UsageMax(0x32)
                                           .ReportSize(8)
                                           .ReportCount(3)
                                           .Input(kData | kVariable)
                                           .EndCollection()
                                           .bytes());
    std::vector<HidDataItem> axes = BuildInputItems(ranged);
    ASSERT_EQ(axes.size(), 3u);
    EXPECT_EQ(axes[2].usage, 0x32);
}

TEST(InputItems, ConsumerNoticeGivesItsUsageFirst) {
    const PreparsedData consumer = Parse(testing::kConsumerControl);
    std::vector<HidDataItem> items = BuildInputItems(consumer);
    ASSERT_EQ(items.size(), 1u);
    const uint8_t notice[] = {3, 0x01, 0x04};
    ASSERT_TRUE(UnpackInputReport(items, notice, consumer));
    EXPECT_TRUE(items[0].isSet);
    EXPECT_EQ(items[0].status, kSuccess);
    EXPECT_EQ(items[0].usages.at(0), 0x0401);

    const uint8_t released[] = {3, 0x00, 0x00};
    ASSERT_TRUE(UnpackInputReport(items, released, consumer));
    EXPECT_EQ(items[0].usages.at(0), 0);
}

TEST(InputItems, EachButtonItemKeepsOnlyItsRangePackedAndTerminated) {
    const PreparsedData keyboard = Parse(testing::kBootKeyboard);
    std::vector<HidDataItem> items = BuildInputItems(keyboard);
    ASSERT_EQ(items.size(), 2u);
    // Left shift and right alt held, keys A and B pressed in two slots.
    const uint8_t report[] = {0, 0x42, 0, 0x04, 0, 0x05, 0, 0, 0};
    ASSERT_TRUE(UnpackInputReport(items, report, keyboard));
    EXPECT_THAT(Pressed(items[0]), ElementsAre(0xE1, 0xE6));
    EXPECT_THAT(Pressed(items[1]), ElementsAre(0x04, 0x05));
    EXPECT_EQ(items[1].usages.size(), 14u);
}

TEST(InputItems, ValuesAreSignedAndScaled) {
    const PreparsedData mouse = Parse(testing::kBootMouse);
    std::vector<HidDataItem> items = BuildInputItems(mouse);
    const uint8_t report[] = {0, 0x05, 0xFF, 0x10};
    ASSERT_TRUE(UnpackInputReport(items, report, mouse));
    EXPECT_THAT(Pressed(items[0]), ElementsAre(1, 3));
    EXPECT_EQ(items[1].rawValue, 0xFFu);
    EXPECT_EQ(items[1].scaledValue, -1);
    EXPECT_EQ(items[2].scaledValue, 16);
    EXPECT_EQ(items[2].status, kSuccess);

    // Logical 0..100 shown as physical 0..1000; a value outside the range is its null state.
    const PreparsedData dial = Parse(DescriptorBuilder()
                                         .UsagePage(0x01)
                                         .Usage(0x08)
                                         .Application()
                                         .Usage(0x37)
                                         .LogicalMin(0)
                                         .LogicalMax(100)
                                         .PhysicalMin(0)
                                         .PhysicalMax(1000)
                                         .ReportSize(8)
                                         .ReportCount(1)
                                         .Input(kData | kVariable | kNullState)
                                         .EndCollection()
                                         .bytes());
    int32_t scaled = 0;
    const uint8_t half[] = {0, 50};
    EXPECT_EQ(GetScaledUsageValue(dial, 0x01, 0x37, half, scaled), HidStatus::kSuccess);
    EXPECT_EQ(scaled, 500);
    const uint8_t none[] = {0, 200};
    EXPECT_EQ(GetScaledUsageValue(dial, 0x01, 0x37, none, scaled), HidStatus::kNull);
}

TEST(InputItems, OnlyItemsOfTheReportsIdAreDecoded) {
    const PreparsedData pointer = Parse(testing::GamingMouseInterface(), 0);
    std::vector<HidDataItem> items = BuildInputItems(pointer);
    const uint8_t otherReport[] = {3, 0x01, 0x04, 0, 0, 0, 0};
    ASSERT_TRUE(UnpackInputReport(items, otherReport, pointer));
    for (const HidDataItem& item : items) {
        EXPECT_FALSE(item.isSet);
    }
    const uint8_t motion[] = {1, 0x02, 0x01, 0x80, 0xFF, 0x7F, 0x01};
    ASSERT_TRUE(UnpackInputReport(items, motion, pointer));
    EXPECT_THAT(Pressed(items[0]), ElementsAre(2));
    EXPECT_EQ(items[1].scaledValue, -32767);  // 0x8001 read as signed
    EXPECT_EQ(items[2].scaledValue, 32767);
    EXPECT_EQ(items[3].scaledValue, 1);
}

TEST(InputItems, StopsAtTheFirstUnreadableValue) {
    const PreparsedData mouse = Parse(testing::kBootMouse);
    std::vector<HidDataItem> items = BuildInputItems(mouse);
    const uint8_t cutShort[] = {0, 0x01, 0x02};  // Y lies beyond the end
    EXPECT_FALSE(UnpackInputReport(items, cutShort, mouse));
    EXPECT_TRUE(items[0].isSet);
    EXPECT_TRUE(items[1].isSet);
    EXPECT_EQ(items[1].scaledValue, 2);
    EXPECT_FALSE(items[2].isSet);
    EXPECT_EQ(items[2].status, static_cast<uint32_t>(HidStatus::kInvalidReportLength));
    EXPECT_FALSE(UnpackInputReport(items, {}, mouse));
}

TEST(ReportFields, MissingUsagesAndFullListsSayWhy) {
    const PreparsedData keyboard = Parse(testing::kBootKeyboard);
    const uint8_t report[] = {0, 0x03, 0, 0x04, 0x05, 0x06, 0, 0, 0};
    uint16_t two[2];
    size_t count = 0;
    EXPECT_EQ(GetPressedUsages(keyboard, 0x07, report, two, count), HidStatus::kBufferTooSmall);
    EXPECT_EQ(count, 5u);
    EXPECT_THAT(two, ElementsAre(0xE0, 0xE1));
    EXPECT_EQ(GetPressedUsages(keyboard, 0x09, report, two, count), HidStatus::kUsageNotFound);
    uint32_t raw = 0;
    EXPECT_EQ(GetUsageValue(keyboard, 0x01, 0x30, report, raw), HidStatus::kUsageNotFound);

    const PreparsedData vendor = Parse(testing::kVendorConfig);
    const uint8_t wrongId[64] = {5};
    EXPECT_EQ(GetUsageValue(vendor, 0xFF1C, 0x92, wrongId, raw), HidStatus::kIncompatibleReportId);
}

}  // namespace
}  // namespace platform::hid
