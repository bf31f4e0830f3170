#include "ui/controls/circle_progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render_test_support.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/render/recording_canvas.h"

namespace ui {
namespace {

using toolkit::render::PaintCall;

constexpr toolkit::Color kBack = 0xFF404040;
constexpr toolkit::Color kFore = 0xFF2080F0;
constexpr toolkit::Color kWhite = 0xFFFFFFFF;
constexpr toolkit::Rect kPos{0, 0, 100, 100};

std::unique_ptr<CCircleProgressUI> MakeProgress(int min, int max, int value) {
    auto progress = std::make_unique<CCircleProgressUI>();
    progress->SetAttribute("bkcolor", "#FF404040");
    progress->SetAttribute("forecolor", "#FF2080F0");
    progress->SetMinValue(min);
    progress->SetMaxValue(max);
    progress->SetValue(value);
    progress->SetPos(kPos);
    return progress;
}

// Colour on the ring (radius 45 of the 100-pixel control) at an angle clockwise from 3 o'clock.
toolkit::Color RingAt(const toolkit::render::Surface& surface, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return surface.PixelAt(static_cast<int>(50 + 45 * std::cos(radians)),
                           static_cast<int>(50 + 45 * std::sin(radians)));
}

TEST(CircleProgressTest, FillsTheSectorFromSixOClockInsideAWhiteDisc) {
    const struct {
        int min, max, value;
        // Expected ring colour at 45° steps starting at 22.5° (between 3 and 4:30).
        toolkit::Color ring[8];
    } cases[] = {
        {0, 100, 0, {kBack, kBack, kBack, kBack, kBack, kBack, kBack, kBack}},
        {0, 100, 25, {kBack, kBack, kFore, kFore, kBack, kBack, kBack, kBack}},
        {0, 100, 100, {kFore, kFore, kFore, kFore, kFore, kFore, kFore, kFore}},
        // The value is not reduced by the minimum: 60 of 50 … 100 is 432°, a full ring.
        {50, 100, 60, {kFore, kFore, kFore, kFore, kFore, kFore, kFore, kFore}},
        // An empty range shows no progress instead of dividing by zero.
        {0, 0, 0, {kBack, kBack, kBack, kBack, kBack, kBack, kBack, kBack}},
    };
    toolkit::render::ImageCache images;
    for (const auto& c : cases) {
        toolkit::render::Surface surface(100, 100);
        surface.Clear(kWhite);
        toolkit::render::CairoCanvas canvas(surface, images);
        MakeProgress(c.min, c.max, c.value)->DoPaint(canvas, kPos);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(RingAt(surface, 22.5 + 45 * i), c.ring[i])
                << c.min << '/' << c.max << '/' << c.value << " at " << 22.5 + 45 * i;
        }
        EXPECT_EQ(surface.PixelAt(50, 50), kWhite);
        EXPECT_EQ(surface.PixelAt(50, 15), kWhite);  // inside the 40-pixel inner disc
    }
}

TEST(CircleProgressTest, PaintsDiscSectorAndInnerDiscButNoForeImage) {
    auto progress = MakeProgress(0, 100, 25);
    progress->SetAttribute("foreimage", "fore.png");
    toolkit::render::RecordingCanvas canvas;
    progress->DoPaint(canvas, kPos);

    std::vector<PaintCall> pies;
    for (const PaintCall& call : canvas.Calls()) {
        EXPECT_NE(call.kind, PaintCall::Kind::kDrawImage);
        if (call.kind == PaintCall::Kind::kFillPie) {
            pies.push_back(call);
        }
    }
    ASSERT_EQ(pies.size(), 3u);
    EXPECT_EQ(pies[0].rect, kPos);
    EXPECT_EQ(pies[0].sweep_deg, 360);
    EXPECT_EQ(pies[0].color, kBack);
    EXPECT_EQ(pies[1].start_deg, 90);
    EXPECT_EQ(pies[1].sweep_deg, 90);
    EXPECT_EQ(pies[1].color, kFore);
    EXPECT_EQ(pies[2].rect, (toolkit::Rect{10, 10, 90, 90}));
    EXPECT_EQ(pies[2].color, kWhite);
}

}  // namespace
}  // namespace ui
