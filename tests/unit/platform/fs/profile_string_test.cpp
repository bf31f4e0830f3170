#include "platform/fs/profile_string.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/fs/file_ops.h"
#include "temp_folder.h"

namespace platform::fs {
namespace {

using kavrin_testing::TempFolder;

std::optional<std::string> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Names each case of a table after its `name` field.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file
    const char* section;
    const char* key;
    const char* defaultValue;
    size_t bufferSize;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsLikeTheWindowsProfileFunction) {
    const ReadCase& c = GetParam();
    TempFolder folder;
    std::string path = folder.path() + "test.ini";
    if (c.file) {
        folder.Put("test.ini", *c.file);
    }
    std::vector<char> buffer(c.bufferSize + 1, '#');  // one guard byte after the buffer
    std::span<char> span(buffer.data(), c.bufferSize);
    size_t length = GetPrivateProfileString(c.section, c.key, c.defaultValue, span, path);
    EXPECT_EQ(length, std::string_view(c.expected).size());
    if (c.bufferSize > 0) {
        EXPECT_EQ(std::string(buffer.data()), c.expected);
    }
    EXPECT_EQ(buffer[c.bufferSize], '#') << "wrote past the buffer";
    EXPECT_EQ(GetProfileString(c.section, c.key, c.defaultValue, path, c.bufferSize), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    testing::Values(
        ReadCase{"Exact", "[SEC]\nkey=value\n", "SEC", "key", "d", 260, "value"},
        ReadCase{"SectionAndKeyIgnoreCase", "[Profile]\nCount=3\n", "PROFILE", "count", "0", 260,
                 "3"},
        ReadCase{"WhiteSpaceTrimmed", "  [ SEC ]  \n  key  =  spaced value \t\n", "SEC", "key", "d",
                 260, "spaced value"},
        ReadCase{"CrLfLines", "[SEC]\r\nkey=v\r\n", "SEC", "key", "d", 260, "v"},
        ReadCase{"MissingKeyGivesDefault", "[SEC]\nother=1\n", "SEC", "key", "100", 260, "100"},
        ReadCase{"MissingSectionGivesDefault", "[A]\nkey=1\n", "B", "key", "0", 260, "0"},
        ReadCase{"MissingFileGivesDefault", std::nullopt, "SEC", "key", "dflt", 260, "dflt"},
        ReadCase{"KeyOfAnotherSectionIsNotSeen", "[A]\nk=1\n[B]\nx=2\n", "B", "k", "d", 260, "d"},
        ReadCase{"KeyBeforeAnySectionIsNotSeen", "k=1\n[S]\n", "S", "k", "d", 260, "d"},
        ReadCase{"EmptyValueIsFound", "[S]\nk=\n", "S", "k", "d", 260, ""},
        ReadCase{"FirstOfDuplicateKeys", "[S]\nk=1\nk=2\n", "S", "k", "d", 260, "1"},
        ReadCase{"OnlyFirstSectionOfANameIsSearched", "[S]\na=1\n[S]\nk=2\n", "S", "k", "d", 260,
                 "d"},
        ReadCase{"CommentIsNotAKey", "[S]\n;k=1\n", "S", "k", "d", 260, "d"},
        ReadCase{"EqualsSignInValue", "[S]\nk=a=b\n", "S", "k", "d", 260, "a=b"},
        ReadCase{"ValueCutToBuffer", "[S]\nk=abcdef\n", "S", "k", "d", 4, "abc"},
        ReadCase{"DefaultCutToBuffer", std::nullopt, "S", "k", "123456", 3, "12"},
        ReadCase{"CutNeverSplitsACharacter", "[S]\nk=a\xE4\xB8\xAD\n", "S", "k", "d", 3, "a"},
        ReadCase{"EmptyBufferGetsNothing", "[S]\nk=abc\n", "S", "k", "d", 0, ""}),
    CaseName());

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file
    const char* section;
    std::optional<std::string_view> key;
    std::optional<std::string_view> value;
    bool ok;
    std::optional<std::string> after;  // nullopt: no file
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, EditsOnlyWhatItIsAskedTo) {
    const WriteCase& c = GetParam();
    TempFolder folder;
    std::string path = folder.path() + "test.ini";
    if (c.before) {
        folder.Put("test.ini", *c.before);
    }
    EXPECT_EQ(WritePrivateProfileString(c.section, c.key, c.value, path), c.ok);
    EXPECT_EQ(Slurp(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    testing::Values(
        WriteCase{"CreatesFile", std::nullopt, "S", "k", "v", true, "[S]\nk=v\n"},
        WriteCase{"NewSectionAtEndKeepsComments", "; top\n[A]\nx=1\n", "S", "k", "v", true,
                  "; top\n[A]\nx=1\n[S]\nk=v\n"},
        WriteCase{"NewKeyAfterLastLineOfSection", "[S]\na=1\n\n[T]\nb=2\n", "s", "k", "v", true,
                  "[S]\na=1\nk=v\n\n[T]\nb=2\n"},
        WriteCase{"ReplacesValueKeepingKeySpellingAndComments", "[s]\n; note\n Key = old \n", "S",
                  "KEY", "new", true, "[s]\n; note\nKey=new\n"},
        WriteCase{"KeepsCrLfLineEndings", "[S]\r\na=1\r\n", "S", "k", "v", true,
                  "[S]\r\na=1\r\nk=v\r\n"},
        WriteCase{"LastLineWithoutNewline", "[S]\na=1", "S", "k", "v", true, "[S]\na=1\nk=v\n"},
        WriteCase{"NullValueDeletesKey", "[S]\na=1\nk=2\n;c\n", "S", "K", std::nullopt, true,
                  "[S]\na=1\n;c\n"},
        WriteCase{"NullKeyDeletesSection", "[A]\nx=1\n[S]\n;c\nk=2\n[B]\ny=3\n", "s", std::nullopt,
                  std::nullopt, true, "[A]\nx=1\n[B]\ny=3\n"},
        WriteCase{"DeleteOnMissingFileCreatesNothing", std::nullopt, "S", "k", std::nullopt, true,
                  std::nullopt},
        WriteCase{"RefusesLineBreakInValue", "[S]\n", "S", "k", "a\n[X]", false, "[S]\n"},
        WriteCase{"RefusesEqualsSignInKey", "[S]\n", "S", "a=b", "v", false, "[S]\n"}),
    CaseName());

TEST(ProfileIntTest, ConvertsLikeTheDecimalConversion) {
    struct {
        const char* text;
        int expected;
    } cases[] = {{"42", 42},
                 {"  -7x", -7},
                 {"abc", 0},
                 {"", 0},
                 {"+5", 5},
                 {"99999999999", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"-99999999999", INT_MIN}};
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalToInt(c.text), c.expected) << c.text;
    }

    TempFolder folder;
    std::string path = folder.path() + "n.ini";
    folder.Put("n.ini", "[S]\nnumber= 12 \nword=abc\n");
    EXPECT_EQ(GetPrivateProfileInt("S", "number", 100, path), 12);
    EXPECT_EQ(GetPrivateProfileInt("S", "word", 100, path), 0);
    EXPECT_EQ(GetPrivateProfileInt("S", "absent", 100, path), 100);
}

TEST(ProfileFileNameTest, OtherLetterCaseReachesTheSameFile) {
    TempFolder folder;
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "1", folder.path() + "kbMacro.ini"));
    ASSERT_TRUE(WritePrivateProfileString("S", "b", "2", folder.path() + "KbMacro.ini"));
    EXPECT_EQ(GetProfileString("S", "a", "0", folder.path() + "KBMACRO.INI"), "1");
    EXPECT_EQ(folder.Listing(), "kbMacro.ini");
    EXPECT_EQ(Slurp(folder.path() + "kbMacro.ini"), "[S]\na=1\nb=2\n");
}

TEST(ProfileConcurrencyTest, WritersOnSeveralThreadsLoseNoKey) {
    TempFolder folder;
    const std::string path = folder.path() + "shared.ini";
    constexpr int kThreads = 4;
    constexpr int kKeysEach = 25;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&, t] {
            for (int k = 0; k < kKeysEach; ++k) {
                std::string key = std::to_string(t) + "_" + std::to_string(k);
                WritePrivateProfileString("S", key, key, path);
            }
        });
    }
    for (auto& w : writers) {
        w.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        for (int k = 0; k < kKeysEach; ++k) {
            std::string key = std::to_string(t) + "_" + std::to_string(k);
            EXPECT_EQ(GetProfileString("S", key, "missing", path), key);
        }
    }
    EXPECT_EQ(folder.Listing(), "shared.ini") << "temporary files left behind";
}

}  // namespace
}  // namespace platform::fs
