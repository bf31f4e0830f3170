#include "platform/hid/report_descriptor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "descriptor_builder.h"
#include "sample_descriptors.h"

namespace platform::hid {
namespace {

using testing::DescriptorBuilder;
using ::testing::ElementsAre;
using testing::kConstant;
using testing::kData;
using testing::kNullState;
using testing::kRelative;
using testing::kVariable;

struct ExpectedCollection {
    uint16_t usagePage;
    uint16_t usage;
    uint16_t inputLength;
    uint16_t outputLength;
    uint16_t featureLength;
    std::vector<uint8_t> inputIds;
};

struct LayoutCase {
    std::string name;
    std::vector<uint8_t> descriptor;
    std::vector<ExpectedCollection> collections;
};

class DescriptorLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DescriptorLayout, CollectionsAndReportLengths) {
    const LayoutCase& c = GetParam();
    ParsedDescriptor parsed = ParseReportDescriptor(c.descriptor);
    ASSERT_TRUE(parsed.ok()) << static_cast<int>(parsed.error) << " at " << parsed.errorOffset;
    ASSERT_EQ(parsed.collections.size(), c.collections.size());
    for (size_t i = 0; i < c.collections.size(); ++i) {
        const PreparsedData& got = parsed.collections[i];
        const ExpectedCollection& want = c.collections[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(got.usagePage, want.usagePage);
        EXPECT_EQ(got.usage, want.usage);
        EXPECT_EQ(got.of(ReportKind::kInput).byteLength, want.inputLength);
        EXPECT_EQ(got.of(ReportKind::kOutput).byteLength, want.outputLength);
        EXPECT_EQ(got.of(ReportKind::kFeature).byteLength, want.featureLength);
        EXPECT_EQ(got.of(ReportKind::kInput).reportIds, want.inputIds);
    }
}

std::vector<uint8_t> TwoFeatureReports() {
    // Feature reports 5 (2 bytes) and 6 (7 bytes): the longest one counts.
    return DescriptorBuilder()
        .UsagePage(0xFF00)
        .Usage(0x01)
        .Application()
        .ReportSize(8)
        .ReportId(5)
        .ReportCount(2)
        .Usage(0x10)
        .Feature(kData | kVariable)
        .ReportId(6)
        .ReportCount(7)
        .Usage(0x11)
        .Feature(kData | kVariable)
        .EndCollection()
        .bytes();
}

std::vector<uint8_t> OddBitCount() {
    // 11 bits of input round up to 2 bytes, plus the id byte.
    return DescriptorBuilder()
        .UsagePage(0x01)
        .Usage(0x05)
        .Application()
        .Usage(0x30)
        .ReportSize(11)
        .ReportCount(1)
        .LogicalMax(2047)
        .Input(kData | kVariable)
        .EndCollection()
        .bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Samples, DescriptorLayout,
    ::testing::Values(
        LayoutCase{"BootMouse", testing::kBootMouse, {{0x01, 0x02, 4, 0, 0, {0}}}},
        LayoutCase{"BootKeyboard", testing::kBootKeyboard, {{0x01, 0x06, 9, 2, 0, {0}}}},
        LayoutCase{"VendorConfig", testing::kVendorConfig, {{0xFF1C, 0x92, 64, 64, 0, {4}}}},
        LayoutCase{"ConsumerControl", testing::kConsumerControl, {{0x0C, 0x01, 3, 0, 0, {3}}}},
        LayoutCase{"GamingMouse",
                   testing::GamingMouseInterface(),
                   {{0x01, 0x02, 7, 0, 0, {1}},
                    {0x0C, 0x01, 3, 0, 0, {3}},
                    {0xFF1C, 0x92, 64, 64, 0, {4}}}},
        LayoutCase{"TwoFeatureReports", TwoFeatureReports(), {{0xFF00, 0x01, 0, 0, 8, {}}}},
        LayoutCase{"OddBitCount", OddBitCount(), {{0x01, 0x05, 3, 0, 0, {0}}}}),
    [](const auto& param) { return param.param.name; });

TEST(ReportDescriptor, BootMouseCaps) {
    ParsedDescriptor parsed = ParseReportDescriptor(testing::kBootMouse);
    ASSERT_TRUE(parsed.ok());
    const PreparsedData& mouse = parsed.collections[0];
    EXPECT_EQ(mouse.linkCollectionCount, 2);
    EXPECT_FALSE(mouse.usesReportIds);
    const ReportCaps& input = mouse.of(ReportKind::kInput);
    ASSERT_EQ(input.buttons.size(), 1u);  // the padding is no capability
    const ButtonCaps& buttons = input.buttons[0];
    EXPECT_EQ(buttons.usagePage, 0x09);
    EXPECT_TRUE(buttons.isRange);
    EXPECT_EQ(buttons.usageMin, 1);
    EXPECT_EQ(buttons.usageMax, 3);
    EXPECT_EQ(buttons.bitPosition, 8u);
    EXPECT_EQ(buttons.reportCount, 3);
    EXPECT_FALSE(buttons.isArray);

    ASSERT_EQ(input.values.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const ValueCaps& axis = input.values[i];
        EXPECT_EQ(axis.usagePage, 0x01);
        EXPECT_EQ(axis.usageMin, 0x30 + i);
        EXPECT_FALSE(axis.isRange);
        EXPECT_EQ(axis.bitPosition, 16 + 8 * i);
        EXPECT_EQ(axis.reportSize, 8);
        EXPECT_EQ(axis.reportCount, 1);
        EXPECT_EQ(axis.logicalMin, -127);
        EXPECT_EQ(axis.logicalMax, 127);
        EXPECT_FALSE(axis.isAbsolute);
    }
}

TEST(ReportDescriptor, KeyboardArrayAndUsageListLength) {
    ParsedDescriptor parsed = ParseReportDescriptor(testing::kBootKeyboard);
    ASSERT_TRUE(parsed.ok());
    const PreparsedData& keyboard = parsed.collections[0];
    const ReportCaps& input = keyboard.of(ReportKind::kInput);
    ASSERT_EQ(input.buttons.size(), 2u);
    EXPECT_FALSE(input.buttons[0].isArray);
    const ButtonCaps& keys = input.buttons[1];
    EXPECT_TRUE(keys.isArray);
    EXPECT_EQ(keys.usageMin, 0x00);
    EXPECT_EQ(keys.usageMax, 0x65);
    EXPECT_EQ(keys.bitPosition, 24u);
    EXPECT_EQ(keys.reportCount, 6);
    // Eight modifiers and six key slots can be reported pressed at once.
    EXPECT_EQ(keyboard.MaxUsageListLength(ReportKind::kInput, 0x07), 14u);
    EXPECT_EQ(keyboard.MaxUsageListLength(ReportKind::kOutput, 0x08), 5u);
    EXPECT_EQ(keyboard.MaxUsageListLength(ReportKind::kInput, 0x08), 0u);
    ASSERT_EQ(keyboard.of(ReportKind::kOutput).buttons.size(), 1u);
    EXPECT_EQ(keyboard.of(ReportKind::kOutput).buttons[0].usagePage, 0x08);
}

TEST(ReportDescriptor, UsagesAreSharedOutOverTheFields) {
    std::vector<uint8_t> descriptor =
        DescriptorBuilder()
            .UsagePage(0x01)
            .Usage(0x04)
            .Application()
            .ReportSize(8)
            .LogicalMin(0)
            .LogicalMax(0xFF)  // one byte 0xFF with a non-negative minimum means 255
            // X and Y get one field each; the last usage takes the remaining three.
            .Usage(0x30)
            .Usage(0x31)
            .ReportCount(5)
            .Input(kData | kVariable)
            // A range longer than the fields is cut; usages beyond the fields are dropped.
            .UsageMin(0x40)
            .UsageMax(0x4F)
            .Usage(0x50)
            .ReportCount(2)
            .Input(kData | kVariable)
            // A 32-bit usage carries its own page.
            .ExtendedUsage(0xFF00, 0x21)
            .ReportCount(1)
            .Input(kData | kVariable)
            .EndCollection()
            .bytes();
    ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok());
    const std::vector<ValueCaps>& values = parsed.collections[0].of(ReportKind::kInput).values;
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].usageMin, 0x30);
    EXPECT_EQ(values[0].reportCount, 1);
    EXPECT_EQ(values[0].logicalMax, 255);
    EXPECT_EQ(values[1].usageMin, 0x31);
    EXPECT_EQ(values[1].bitPosition, 16u);
    EXPECT_EQ(values[1].reportCount, 4);
    EXPECT_TRUE(values[2].isRange);
    EXPECT_EQ(values[2].usageMin, 0x40);
    EXPECT_EQ(values[2].usageMax, 0x41);
    EXPECT_EQ(values[2].bitPosition, 48u);
    EXPECT_EQ(values[3].usagePage, 0xFF00);
    EXPECT_EQ(values[3].usageMin, 0x21);
    EXPECT_EQ(values[3].bitPosition, 64u);
    EXPECT_EQ(parsed.collections[0].of(ReportKind::kInput).byteLength, 9);
}

TEST(ReportDescriptor, PopRestoresGlobalsAndArrayEntriesShareTheField) {
    std::vector<uint8_t> descriptor = DescriptorBuilder()
                                          .UsagePage(0x0C)
                                          .Usage(0x01)
                                          .Application()
                                          .ReportSize(8)
                                          .ReportCount(2)
                                          .Push()
                                          .UsagePage(0x07)
                                          .ReportSize(1)
                                          .Pop()
                                          .LogicalMin(1)
                                          .LogicalMax(4)
                                          .Usage(0xE9)
                                          .Usage(0xEA)
                                          .UsageMin(0xB5)
                                          .UsageMax(0xB6)
                                          .Input(kData)
                                          .EndCollection()
                                          .bytes();
    ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok());
    const std::vector<ButtonCaps>& buttons = parsed.collections[0].of(ReportKind::kInput).buttons;
    ASSERT_EQ(buttons.size(), 3u);
    for (const ButtonCaps& cap : buttons) {
        EXPECT_EQ(cap.usagePage, 0x0C);
        EXPECT_EQ(cap.reportSize, 8);
        EXPECT_EQ(cap.bitPosition, 8u);
        EXPECT_TRUE(cap.isArray);
    }
    EXPECT_EQ(buttons[0].arrayIndexBase, 0u);
    EXPECT_EQ(buttons[1].arrayIndexBase, 1u);
    EXPECT_EQ(buttons[2].arrayIndexBase, 2u);
    EXPECT_EQ(parsed.collections[0].MaxUsageListLength(ReportKind::kInput, 0x0C), 2u);
}

struct ErrorCase {
    std::string name;
    std::vector<uint8_t> descriptor;
    DescriptorError error;
};

class DescriptorErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(DescriptorErrors, RejectedWithoutCollections) {
    ParsedDescriptor parsed = ParseReportDescriptor(GetParam().descriptor);
    EXPECT_EQ(parsed.error, GetParam().error);
    EXPECT_TRUE(parsed.collections.empty());
}

std::vector<uint8_t> Open() {
    return DescriptorBuilder().UsagePage(1).Usage(2).Application().bytes();
}
std::vector<uint8_t> Closed(DescriptorBuilder body) {
    return DescriptorBuilder().Append(Open()).Append(body.bytes()).EndCollection().bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, DescriptorErrors,
    ::testing::Values(
        ErrorCase{"Empty", {}, DescriptorError::kNoCollections},
        ErrorCase{"TruncatedData", {0x05, 0x01, 0x26, 0xFF}, DescriptorError::kTruncatedItem},
        ErrorCase{"TruncatedLongItem", {0xFE, 0x05, 0x00, 0x01}, DescriptorError::kTruncatedItem},
        ErrorCase{"LeftOpen", Open(), DescriptorError::kUnbalancedCollection},
        ErrorCase{"EndWithoutCollection", {0xC0}, DescriptorError::kUnbalancedCollection},
        ErrorCase{"PopWithoutPush", Closed(DescriptorBuilder().Pop()),
                  DescriptorError::kUnbalancedPushPop},
        ErrorCase{"ReportIdZero", Closed(DescriptorBuilder().ReportId(0)),
                  DescriptorError::kInvalidReportId},
        ErrorCase{"ReportIdAbove255", Closed(DescriptorBuilder().ReportId(256)),
                  DescriptorError::kInvalidReportId},
        ErrorCase{"FieldWiderThan32Bits",
                  Closed(DescriptorBuilder().ReportSize(33).ReportCount(1).Usage(1).Input(
                      kData | kVariable)),
                  DescriptorError::kInvalidReportSize},
        ErrorCase{
            "HugeReport",
            Closed(DescriptorBuilder().ReportSize(8).ReportCount(0xFFFFFFFF).Input(kConstant)),
            DescriptorError::kReportTooLong}),
    [](const auto& param) { return param.param.name; });

TEST(ReportDescriptor, LongItemsAndConstantPaddingAreSkipped) {
    std::vector<uint8_t> descriptor = DescriptorBuilder()
                                          .Raw({0xFE, 0x02, 0x10, 0xAA, 0xBB})
                                          .Append(Open())
                                          .ReportSize(64)  // wide padding is fine
                                          .ReportCount(1)
                                          .Input(kConstant)
                                          .Usage(0x30)
                                          .ReportSize(8)
                                          .LogicalMin(-1)
                                          .LogicalMax(1)
                                          .Input(kData | kVariable | kRelative | kNullState)
                                          .EndCollection()
                                          .bytes();
    ParsedDescriptor parsed = ParseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok());
    const ReportCaps& input = parsed.collections[0].of(ReportKind::kInput);
    ASSERT_EQ(input.values.size(), 1u);
    EXPECT_EQ(input.values[0].bitPosition, 72u);
    EXPECT_TRUE(input.values[0].hasNull);
    EXPECT_EQ(input.byteLength, 10);
    EXPECT_THAT(input.reportIds, ElementsAre(0));
}

}  // namespace
}  // namespace platform::hid
