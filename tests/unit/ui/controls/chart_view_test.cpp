#include "ui/controls/chart_view.h"

#include <gtest/gtest.h>

#include "toolkit/render/recording_canvas.h"

namespace ui {
namespace {

using toolkit::render::PaintCall;

constexpr toolkit::Rect kPos{0, 0, 300, 200};

std::vector<PaintCall> CallsOfKind(const toolkit::render::RecordingCanvas& canvas,
                                   PaintCall::Kind kind) {
    std::vector<PaintCall> found;
    for (const PaintCall& call : canvas.Calls()) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

toolkit::render::RecordingCanvas PaintWithItems(CChartViewUI& chart,
                                                const std::vector<ChartItem>& items) {
    chart.SetPos(kPos);
    for (const ChartItem& item : items) {
        chart.AddItem(item.label, item.value);
    }
    toolkit::render::RecordingCanvas canvas;
    chart.DoPaint(canvas, kPos);
    return canvas;
}

TEST(ChartViewTest, AttributesSetTheChartFields) {
    CChartViewUI chart;
    EXPECT_EQ(chart.GetView(), CChartViewUI::View::kPie);
    EXPECT_TRUE(chart.IsShowText());
    EXPECT_FALSE(chart.IsShowHtml());
    EXPECT_EQ(chart.GetFont(), -1);

    chart.SetAttribute("view", "histpgram");
    EXPECT_EQ(chart.GetView(), CChartViewUI::View::kHistogram);
    chart.SetAttribute("view", "bars");  // unknown: unchanged
    EXPECT_EQ(chart.GetView(), CChartViewUI::View::kHistogram);
    chart.SetAttribute("view", "pie");
    EXPECT_EQ(chart.GetView(), CChartViewUI::View::kPie);

    chart.SetAttribute("shadowimage", "file='shadow.png'");
    chart.SetAttribute("shadowimageheight", "12");
    chart.SetAttribute("pillarimage", "pillar.png");
    chart.SetAttribute("pillarimagewidth", "16");
    chart.SetAttribute("showhtml", "true");
    chart.SetAttribute("showtext", "yes");  // only "true" sets
    chart.SetAttribute("font", "3");
    chart.SetAttribute("bkcolor", "#FF102030");  // still reaches the base control
    EXPECT_EQ(chart.GetShadowImage(), "file='shadow.png'");
    EXPECT_EQ(chart.GetShadowImageHeight(), 12);
    EXPECT_EQ(chart.GetPillarImage(), "pillar.png");
    EXPECT_EQ(chart.GetPillarImageWidth(), 16);
    EXPECT_TRUE(chart.IsShowHtml());
    EXPECT_FALSE(chart.IsShowText());
    EXPECT_EQ(chart.GetFont(), 3);
    EXPECT_EQ(chart.GetBkColor(), 0xFF102030u);
}

TEST(ChartViewTest, WithoutItemsPaintsAsAPlainControl) {
    CChartViewUI chart;
    toolkit::CControlUI plain;
    for (toolkit::CControlUI* control : {static_cast<toolkit::CControlUI*>(&chart), &plain}) {
        control->SetAttribute("bkcolor", "#FF102030");
        control->SetPos(kPos);
    }
    toolkit::render::RecordingCanvas chartCanvas;
    toolkit::render::RecordingCanvas plainCanvas;
    chart.DoPaint(chartCanvas, kPos);
    plain.DoPaint(plainCanvas, kPos);
    EXPECT_EQ(chartCanvas.Calls(), plainCanvas.Calls());

    // Outside the paint area nothing is drawn at all.
    chart.AddItem("a", 1);
    toolkit::render::RecordingCanvas outside;
    chart.DoPaint(outside, {400, 400, 500, 500});
    EXPECT_TRUE(outside.Calls().empty());
}

TEST(ChartViewTest, PieSlicesShareTheCircleByValue) {
    CChartViewUI chart;
    const auto canvas =
        PaintWithItems(chart, {{"one", 1}, {"negative", -5}, {"two", 2}, {"one again", 1}});

    const auto slices = CallsOfKind(canvas, PaintCall::Kind::kFillPie);
    ASSERT_EQ(slices.size(), 4u);
    const double starts[] = {-90, 0, 0, 180};
    const double sweeps[] = {90, 0, 180, 90};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(slices[i].start_deg, starts[i]) << i;
        EXPECT_DOUBLE_EQ(slices[i].sweep_deg, sweeps[i]) << i;
        EXPECT_EQ(slices[i].rect, (toolkit::Rect{0, 0, 200, 200}));
    }
    const auto legend = CallsOfKind(canvas, PaintCall::Kind::kDrawText);
    ASSERT_EQ(legend.size(), 4u);
    EXPECT_EQ(legend[2].text, "two 50%");
    EXPECT_GE(legend[0].rect.left, 200);
}

TEST(ChartViewTest, HistogramPillarsScaleToTheHighestValue) {
    CChartViewUI chart;
    chart.SetAttribute("view", "histpgram");
    chart.SetAttribute("showtext", "false");
    chart.SetAttribute("pillarimage", "pillar.png");
    chart.SetAttribute("pillarimagewidth", "20");
    chart.SetAttribute("shadowimage", "shadow.png");
    chart.SetAttribute("shadowimageheight", "10");
    const auto canvas = PaintWithItems(chart, {{"low", 1}, {"high", 4}, {"half", 2}});

    const auto images = CallsOfKind(canvas, PaintCall::Kind::kDrawImage);
    ASSERT_EQ(images.size(), 4u);
    EXPECT_EQ(images[0].image.file, "shadow.png");
    EXPECT_EQ(images[0].rect, (toolkit::Rect{0, 190, 300, 200}));
    // 100-pixel slots, 20-pixel pillars centred, 190 pixels for the highest.
    EXPECT_EQ(images[1].rect, (toolkit::Rect{40, 190 - 47, 60, 190}));
    EXPECT_EQ(images[2].rect, (toolkit::Rect{140, 0, 160, 190}));
    EXPECT_EQ(images[3].rect, (toolkit::Rect{240, 190 - 95, 260, 190}));
    EXPECT_TRUE(CallsOfKind(canvas, PaintCall::Kind::kDrawText).empty());
}

}  // namespace
}  // namespace ui
