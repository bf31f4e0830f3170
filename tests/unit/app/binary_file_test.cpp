#include "app/binary_file.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>

#include "temp_folder.h"

namespace app {
namespace {

using kavrin_testing::TempFolder;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

const std::string kHeader = Bytes({0xAA, 0x55, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file
    int result;
    std::array<uint8_t, 4> payload;  // the buffer afterwards; it starts as EE EE EE EE
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class BinaryReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(BinaryReadTest, ResultAndBuffer) {
    const ReadCase& c = GetParam();
    TempFolder folder;
    if (c.file) {
        folder.Put("p.config", *c.file);
    }
    std::array<uint8_t, 4> buffer = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ReadBinaryFile(folder.path() + "p.config", buffer), c.result);
    EXPECT_EQ(buffer, c.payload);
}

constexpr std::array<uint8_t, 4> kUntouched = {0xEE, 0xEE, 0xEE, 0xEE};

INSTANTIATE_TEST_SUITE_P(
    Cases, BinaryReadTest,
    testing::Values(
        ReadCase{"Whole", kHeader + Bytes({1, 2, 3, 4, 5}), kBinaryRead, {1, 2, 3, 4}},
        ReadCase{
            "ShortPayloadCopiedPartly", kHeader + Bytes({1, 2}), kBinaryRead, {1, 2, 0xEE, 0xEE}},
        ReadCase{"ShortHeaderWithSignature", Bytes({0xAA, 0x55, 0, 0}), kBinaryRead, kUntouched},
        ReadCase{"Missing", std::nullopt, kBinaryMissing, kUntouched},
        ReadCase{"BadSignature", Bytes({0x55, 0xAA}) + kHeader.substr(2) + Bytes({1, 2, 3, 4}),
                 kBinaryBadSignature, kUntouched},
        ReadCase{"OneByte", Bytes({0xAA}), kBinaryBadSignature, kUntouched},
        ReadCase{"Empty", "", kBinaryBadSignature, kUntouched}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(BinaryFileTest, AFolderIsNotAFile) {
    TempFolder folder;
    std::array<uint8_t, 4> buffer = kUntouched;
    EXPECT_EQ(ReadBinaryFile(folder.path(), buffer), kBinaryMissing);
    EXPECT_EQ(buffer, kUntouched);
}

TEST(BinaryFileTest, WritesHeaderAndPayloadAndReadsBackAnyKind) {
    TempFolder folder;
    const std::array<uint8_t, 3> payload = {7, 8, 9};
    ASSERT_TRUE(WriteBinaryFile(folder.path() + "x.Led", 0x0103, payload));
    std::ifstream in(folder.path() + "x.Led", std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(),
              Bytes({0xAA, 0x55, 0, 0, 0x03, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 9}));

    std::array<uint8_t, 3> back{};
    EXPECT_EQ(ReadBinaryFile(folder.path() + "X.LED", back), kBinaryRead);
    EXPECT_EQ(back, payload);
    EXPECT_EQ(folder.Listing(), "x.Led");

    EXPECT_FALSE(WriteBinaryFile(folder.path() + "no/such/folder.pro", 1, payload));
}

}  // namespace
}  // namespace app
