#include "automation/json.h"

#include <gtest/gtest.h>

#include <cmath>

#include "automation/line_splitter.h"

namespace automation {
namespace {

TEST(JsonTest, ReadsAndWritesBackValidTexts) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {R"( {"op":"get","n":[1,-2.5,1e3,true,false,null],"o":{}} )",
         R"({"op":"get","n":[1,-2.5,1000,true,false,null],"o":{}})"},
        {R"("tab\t\"q\" \\ \/ \u00e9\u4e2d\ud83d\ude00")", "\"tab\\t\\\"q\\\" \\\\ / é中😀\""},
        {R"("\u0001")", R"("\u0001")"},
        {"[]", "[]"},
        {"0.1", "0.10000000000000001"},
        {"9007199254740993", "9007199254740992"},
    };
    for (const auto& c : cases) {
        const JsonParseResult result = ParseJson(c.text);
        ASSERT_TRUE(result.value) << c.text << ": " << result.error;
        EXPECT_EQ(result.value->Write(), c.written) << c.text;
    }
}

TEST(JsonTest, RefusesMalformedTextsWithThePlace) {
    const char* cases[] = {
        "",
        "{",
        "{\"a\"}",
        "{\"a\":1,}",
        "[1 2]",
        "tru",
        "01",
        "-",
        "1.",
        "1e",
        "\"abc",
        "\"\\x\"",
        "\"\\ud800\"",
        "\"\\udc00\"",
        "\"\\u12g4\"",
        "{\"a\":1,\"a\":2}",
        "[1] x",
        "\"\t\"",
        "\"\xff\"",
        "\"\xc0\xaf\"",
        "\"\xed\xa0\x80\"",
    };
    for (const char* text : cases) {
        const JsonParseResult result = ParseJson(text);
        EXPECT_FALSE(result.value) << text;
        EXPECT_EQ(result.error.rfind("malformed JSON at byte ", 0), 0u) << text;
    }
}

TEST(JsonTest, DepthIsCapped) {
    const std::string deepest(kMaxJsonDepth, '[');
    EXPECT_TRUE(ParseJson(deepest + std::string(kMaxJsonDepth, ']')).value);
    const JsonParseResult tooDeep = ParseJson("[" + deepest + std::string(kMaxJsonDepth + 1, ']'));
    EXPECT_FALSE(tooDeep.value);
    EXPECT_NE(tooDeep.error.find("nested too deeply"), std::string::npos);
    // Far beyond the cap the reader still stops early instead of exhausting the stack.
    EXPECT_FALSE(ParseJson(std::string(1000000, '[')).value);
}

TEST(JsonTest, NumbersConvertOnlyWhenWhole) {
    EXPECT_EQ(ParseJson("42").value->AsInt(), 42);
    EXPECT_FALSE(ParseJson("4.5").value->AsInt());
    EXPECT_FALSE(ParseJson("1e300").value->AsInt());
    EXPECT_FALSE(ParseJson("\"42\"").value->AsInt());
    EXPECT_EQ(Json(std::nan("")).Write(), "null");
}

TEST(LineSplitterTest, CutsLinesAndSkipsOversizedOnesWithoutHoldingThem) {
    LineSplitter splitter(8);
    std::vector<std::string> seen;
    auto feed = [&](std::string_view bytes) {
        for (const LineEvent& event : splitter.Feed(bytes)) {
            seen.push_back(event.kind == LineEvent::Kind::kLine ? event.line : "<too long>");
        }
    };
    feed("ab");
    feed("c\r\nde\n\n");
    feed("0123456");
    feed("78");  // now over the cap: reported once, the rest of the line is dropped
    feed("9abcdef");
    feed("\nok\n");
    feed("12345678\n");  // exactly the cap is fine
    EXPECT_EQ(seen, (std::vector<std::string>{"abc", "de", "", "<too long>", "ok", "12345678"}));
}

}  // namespace
}  // namespace automation
