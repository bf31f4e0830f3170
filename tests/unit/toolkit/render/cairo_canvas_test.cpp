#include "toolkit/render/cairo_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <limits>

#include "render_test_support.h"

namespace toolkit::render {
namespace {

using testing::NearColor;

constexpr Color kWhite = 0xFFFFFFFF;
// Block colours of blocks.png, row by row.
constexpr Color kBlocks[9] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF,
                              0xFFFF00FF, 0xFF800000, 0xFF008000, 0xFF000080};

class CairoCanvasTest : public ::testing::Test {
protected:
    CairoCanvasTest() {
        testing::WriteBlocksPng(folder_.Path() / "blocks.png", 10, kBlocks);
        images_.SetResourceRoot(folder_.Path().string());
        surface_.Clear(kWhite);
    }

    testing::TempFolder folder_;
    ImageCache images_;
    Surface surface_{100, 60};
    CairoCanvas canvas_{surface_, images_};
};

struct PixelCheck {
    Point at;
    Color expected;
};

TEST_F(CairoCanvasTest, DrawsImageStringsPiecewise) {
    const struct {
        const char* image;
        std::vector<PixelCheck> checks;
    } cases[] = {
        {"blocks.png",  // stretched whole: 10-pixel blocks become 33 × 20
         {{{5, 5}, kBlocks[0]}, {{50, 30}, kBlocks[4]}, {{95, 55}, kBlocks[8]}}},
        {"file='blocks.png' corner='10,10,10,10'",
         {{{5, 5}, kBlocks[0]},
          {{50, 5}, kBlocks[1]},
          {{95, 5}, kBlocks[2]},
          {{5, 30}, kBlocks[3]},
          {{15, 15}, kBlocks[4]},
          {{85, 45}, kBlocks[4]},
          {{95, 55}, kBlocks[8]}}},
        {"file='blocks.png' corner='10,10,10,10' hole='true'",
         {{{5, 5}, kBlocks[0]}, {{50, 30}, kWhite}}},
        {"file='blocks.png' source='10,10,20,20'", {{{1, 1}, kBlocks[4]}, {{98, 58}, kBlocks[4]}}},
        {"file='blocks.png' source='20,0,30,10' dest='10,10,20,20'",
         {{{15, 15}, kBlocks[2]}, {{5, 5}, kWhite}, {{25, 25}, kWhite}}},
        {"file='blocks.png' mask='#00FFFF'", {{{50, 30}, kWhite}, {{5, 5}, kBlocks[0]}}},
        {"file='blocks.png' fade='0'", {{{5, 5}, kWhite}, {{50, 30}, kWhite}}},
        {"file='blocks.png' source='0,0,10,10' xtiled='true' ytiled='true'",
         {{{5, 5}, kBlocks[0]}, {{95, 55}, kBlocks[0]}}},
        {"file='Blocks.PNG' source='10,10,20,20'", {{{1, 1}, kBlocks[4]}}},
        // Missing files are skipped: nothing drawn, nothing thrown.
        {"missing.png", {{{5, 5}, kWhite}}},
    };
    for (const auto& c : cases) {
        surface_.Clear(kWhite);
        canvas_.DrawImage(c.image, {0, 0, 100, 60});
        for (const PixelCheck& check : c.checks) {
            EXPECT_TRUE(NearColor(surface_.PixelAt(check.at.x, check.at.y), check.expected))
                << c.image << " at " << check.at.x << ',' << check.at.y << ": " << std::hex
                << surface_.PixelAt(check.at.x, check.at.y);
        }
    }
    EXPECT_FALSE(images_.ImageSize("missing.png"));
    EXPECT_EQ(images_.ImageSize("blocks.png"), (Size{30, 30}));
}

TEST_F(CairoCanvasTest, ChangerTintRecoloursTheImageShapeOnly) {
    // Left half opaque red, right half transparent.
    Surface half(20, 10);
    ContextPtr cr(cairo_create(half.Raw()));
    cairo_rectangle(cr.get(), 0, 0, 10, 10);
    SetSourceColor(cr.get(), 0xFFFF0000);
    cairo_fill(cr.get());
    cr.reset();
    half.WriteToPng((folder_.Path() / "half.png").string());

    const struct {
        ChangerTint tint;
        Color inside;
    } cases[] = {
        {{0xFF0000FF, 255}, 0xFF0000FF},
        {{0xFF0000FF, 0}, 0xFFFF0000},
        {{0xFF0000FF, 128}, 0xFF7F0080},
        {ChangerTint::FromPacked(PackChanger(0, 255, 0), 255), 0xFF00FF00},
    };
    for (const auto& c : cases) {
        surface_.Clear(kWhite);
        canvas_.DrawImage("half.png", {0, 0, 40, 20}, c.tint);
        EXPECT_TRUE(NearColor(surface_.PixelAt(5, 5), c.inside))
            << std::hex << surface_.PixelAt(5, 5);
        EXPECT_EQ(surface_.PixelAt(35, 15), kWhite);
    }

    surface_.Clear(kWhite);
    canvas_.Tint({0, 0, 10, 10}, 0xFF000000, 128);
    EXPECT_TRUE(NearColor(surface_.PixelAt(5, 5), 0xFF7F7F7F));
}

TEST_F(CairoCanvasTest, PieStartsClockwiseFromThreeOClock) {
    Surface square(100, 100);
    square.Clear(kWhite);
    CairoCanvas canvas(square, images_);
    canvas.FillPie({0, 0, 100, 100}, 90, 90, 0xFF000000);  // six to nine o'clock
    EXPECT_EQ(square.PixelAt(25, 70), 0xFF000000u);
    EXPECT_EQ(square.PixelAt(70, 70), kWhite);
    EXPECT_EQ(square.PixelAt(25, 30), kWhite);

    // Angles that are not numbers draw nothing and do not break later drawing.
    square.Clear(kWhite);
    canvas.FillPie({0, 0, 100, 100}, 0, std::nan(""), 0xFF000000);
    canvas.FillPie({0, 0, 100, 100}, 0, std::numeric_limits<double>::infinity(), 0xFF000000);
    EXPECT_EQ(testing::InkBounds(square, kWhite), Rect{});
    canvas.FillRect({0, 0, 10, 10}, 0xFF000000);
    EXPECT_EQ(square.PixelAt(5, 5), 0xFF000000u);
}

TEST_F(CairoCanvasTest, ClipsNestAndScaleFollowsDpi) {
    canvas_.PushClip({10, 10, 50, 50});
    canvas_.PushClip({30, 0, 100, 20});
    EXPECT_EQ(canvas_.ClipBounds(), (Rect{30, 10, 50, 20}));
    canvas_.FillRect({0, 0, 100, 60}, 0xFF000000);
    canvas_.PopClip();
    canvas_.PopClip();
    canvas_.PopClip();  // unbalanced: ignored
    EXPECT_EQ(canvas_.ClipBounds(), (Rect{0, 0, 100, 60}));
    EXPECT_EQ(testing::InkBounds(surface_, kWhite), (Rect{30, 10, 50, 20}));

    Surface doubled(40, 40);
    CairoCanvas scaled(doubled, images_, 2.0);
    EXPECT_EQ(scaled.ClipBounds(), (Rect{0, 0, 20, 20}));
    scaled.FillRect({0, 0, 10, 10}, 0xFF000000);
    EXPECT_EQ(testing::InkBounds(doubled, 0), (Rect{0, 0, 20, 20}));
    EXPECT_EQ(CairoCanvas(doubled, images_, 0.0).ClipBounds(), (Rect{0, 0, 40, 40}));
}

TEST_F(CairoCanvasTest, WritesASampleRenderForPeopleToLookAt) {
    Surface sample(320, 200);
    sample.Clear(0xFF202428);
    CairoCanvas canvas(sample, images_);
    canvas.FillRoundRect({10, 10, 150, 90}, 8, 0xFF3A4048);
    canvas.DrawBorder({10, 10, 150, 90}, 2, 0xFFE0A020, 8);
    canvas.DrawImage("file='blocks.png' corner='10,10,10,10'", {20, 20, 140, 80});
    canvas.FillEllipse({170, 10, 250, 90}, 0xFF404040);
    canvas.FillPie({170, 10, 250, 90}, 90, 90, 0xFF20C0E0);
    canvas.FillEllipse({180, 20, 240, 80}, kWhite);
    canvas.DrawImage("blocks.png", {260, 10, 310, 60}, ChangerTint::FromPacked(0x00FF00, 160));
    canvas.DrawLine({10, 100}, {310, 100}, 1, 0xFF808080);
    TextStyle style;
    style.size = 16;
    style.color = kWhite;
    canvas.DrawText({10, 110, 310, 140}, "Sample render 样本渲染", style);
    style.h_align = HAlign::kRight;
    style.end_ellipsis = true;
    canvas.DrawText({10, 150, 150, 190}, "A long line that must end with an ellipsis", style);

    const std::filesystem::path path =
        std::filesystem::current_path() / "toolkit_render_sample.png";
    ASSERT_TRUE(sample.WriteToPng(path.string()));
    std::cout << "sample render: " << path.string() << '\n';
    ImageCache reader;
    EXPECT_EQ(reader.ImageSize(path.string()), (Size{320, 200}));
}

}  // namespace
}  // namespace toolkit::render
