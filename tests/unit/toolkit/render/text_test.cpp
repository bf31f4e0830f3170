#include <gtest/gtest.h>

#include "render_test_support.h"
#include "toolkit/render/cairo_canvas.h"

namespace toolkit::render {
namespace {

constexpr Color kWhite = 0xFFFFFFFF;

class TextTest : public ::testing::Test {
protected:
    TextTest() { surface_.Clear(kWhite); }

    Rect Ink() const { return testing::InkBounds(surface_, kWhite); }

    ImageCache images_;
    Surface surface_{200, 60};
    CairoCanvas canvas_{surface_, images_};
    TextStyle style_;
};

TEST_F(TextTest, AlignsInsideTheRectangleAndClipsToIt) {
    const Rect box{10, 10, 190, 50};
    const struct {
        HAlign h;
        VAlign v;
        bool (*placed)(const Rect& ink);
    } cases[] = {
        {HAlign::kLeft, VAlign::kTop,
         [](const Rect& ink) { return ink.right < 100 && ink.top < 20; }},
        {HAlign::kRight, VAlign::kBottom,
         [](const Rect& ink) { return ink.left > 100 && ink.bottom > 40; }},
        {HAlign::kCenter, VAlign::kCenter,
         [](const Rect& ink) { return ink.left > 40 && ink.right < 160 && ink.top > 12; }},
    };
    for (const auto& c : cases) {
        surface_.Clear(kWhite);
        style_.h_align = c.h;
        style_.v_align = c.v;
        canvas_.DrawText(box, "Hello", style_);
        const Rect ink = Ink();
        ASSERT_FALSE(ink.IsEmpty());
        EXPECT_EQ(ink.Intersect(box), ink);
        EXPECT_TRUE(c.placed(ink))
            << ink.left << ',' << ink.top << ',' << ink.right << ',' << ink.bottom;
    }
}

TEST_F(TextTest, EllipsisCutsToTheWidthAndWrappingAddsLines) {
    const std::string text = "one two three four five six seven eight";
    style_.end_ellipsis = true;
    EXPECT_LE(canvas_.MeasureText(text, style_, 60).cx, 60);
    const Size one_line = canvas_.MeasureText(text, style_);
    EXPECT_GT(one_line.cx, 60);

    style_.end_ellipsis = false;
    style_.single_line = false;
    const Size wrapped = canvas_.MeasureText(text, style_, 60);
    EXPECT_LE(wrapped.cx, 60);
    EXPECT_GE(wrapped.cy, 3 * one_line.cy);
}

TEST_F(TextTest, RendersChineseAndSurvivesInvalidUtf8) {
    if (!testing::HasChineseFont()) {
        GTEST_SKIP() << "no font covering Chinese is installed";
    }
    canvas_.DrawText({0, 0, 200, 60}, "配置文件丢失", style_);
    EXPECT_FALSE(Ink().IsEmpty());

    surface_.Clear(kWhite);
    canvas_.DrawText({0, 0, 200, 60}, "bad \xff\xfe text", style_);
    EXPECT_FALSE(Ink().IsEmpty());
}

}  // namespace
}  // namespace toolkit::render
