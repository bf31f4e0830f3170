#include "ui/controls/chart_view.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "toolkit/core/paint_manager.h"

namespace ui {
namespace {

using toolkit::Color;
using toolkit::Rect;

constexpr Color kPalette[] = {0xFF2F7ED8, 0xFFF28F43, 0xFF8BBC21, 0xFF910000,
                              0xFF1AADCE, 0xFF492970, 0xFF77A1E5, 0xFFC42525};
constexpr int kGap = 8;
constexpr int kSwatch = 10;

Color ItemColor(size_t index) {
    return kPalette[index % std::size(kPalette)];
}

// Negative and NaN values count as nothing.
double Positive(double value) {
    return value > 0 ? value : 0;
}

int ParseInt(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::unique_ptr<toolkit::CControlUI> CChartViewUI::CreateControl() {
    return std::make_unique<CChartViewUI>();
}

void CChartViewUI::AddItem(std::string label, double value) {
    items_.push_back({std::move(label), value});
    Invalidate();
}

void CChartViewUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "view") {
        if (value == "pie") {
            view_ = View::kPie;
        } else if (value == "histpgram") {
            view_ = View::kHistogram;
        }
    } else if (name == "shadowimage") {
        shadowImage_ = value;
    } else if (name == "shadowimageheight") {
        shadowImageHeight_ = ParseInt(value);
    } else if (name == "pillarimage") {
        pillarImage_ = value;
    } else if (name == "pillarimagewidth") {
        pillarImageWidth_ = ParseInt(value);
    } else if (name == "showhtml") {
        showHtml_ = value == "true";
    } else if (name == "showtext") {
        showText_ = value == "true";
    } else if (name == "font") {
        font_ = ParseInt(value);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

void CChartViewUI::DoPaint(toolkit::Canvas& canvas, const Rect& dirty) {
    const Rect area = GetPos().Intersect(dirty);
    if (area.IsEmpty()) {
        return;
    }
    CControlUI::DoPaint(canvas, dirty);
    if (items_.empty()) {
        return;
    }
    canvas.PushClip(area);
    if (view_ == View::kPie) {
        PaintPie(canvas);
    } else {
        PaintHistogram(canvas);
    }
    canvas.PopClip();
}

toolkit::render::TextStyle CChartViewUI::LabelStyle() const {
    return GetManager() != nullptr ? GetManager()->GetFont(font_) : toolkit::render::TextStyle{};
}

void CChartViewUI::PaintPie(toolkit::Canvas& canvas) {
    double total = 0;
    for (const ChartItem& item : items_) {
        total += Positive(item.value);
    }
    if (total <= 0) {
        return;
    }
    const Rect pos = GetPos();
    const int shadow = shadowImage_.empty() ? 0 : std::max(shadowImageHeight_, 0);
    const int side = std::max(std::min(pos.Width(), pos.Height() - shadow), 0);
    const int left = showText_ ? pos.left : pos.left + (pos.Width() - side) / 2;
    const Rect pie = Rect::FromSize(left, pos.top + (pos.Height() - side - shadow) / 2, side, side);
    if (shadow > 0) {
        canvas.DrawImage(shadowImage_, Rect::FromSize(pie.left, pie.bottom, side, shadow));
    }
    double start = -90;
    for (size_t i = 0; i < items_.size(); ++i) {
        const double sweep = Positive(items_[i].value) / total * 360;
        canvas.FillPie(pie, start, sweep, ItemColor(i));
        start += sweep;
    }
    if (!showText_) {
        return;
    }
    const toolkit::render::TextStyle style = LabelStyle();
    const int row = style.size + kGap / 2;
    int top = pos.top;
    for (size_t i = 0; i < items_.size() && top < pos.bottom; ++i, top += row) {
        const int x = pie.right + kGap;
        canvas.FillRect(Rect::FromSize(x, top + (row - kSwatch) / 2, kSwatch, kSwatch),
                        ItemColor(i));
        char percent[32];
        std::snprintf(percent, sizeof percent, " %.0f%%", Positive(items_[i].value) / total * 100);
        canvas.DrawText({x + kSwatch + kGap / 2, top, pos.right, top + row},
                        items_[i].label + percent, style);
    }
}

void CChartViewUI::PaintHistogram(toolkit::Canvas& canvas) {
    double highest = 0;
    for (const ChartItem& item : items_) {
        highest = std::max(highest, Positive(item.value));
    }
    if (highest <= 0) {
        return;
    }
    const Rect pos = GetPos();
    toolkit::render::TextStyle style = LabelStyle();
    style.h_align = toolkit::render::HAlign::kCenter;
    const int labels = showText_ ? style.size + kGap / 2 : 0;
    const int shadow = shadowImage_.empty() ? 0 : std::max(shadowImageHeight_, 0);
    const int baseline = pos.bottom - labels - shadow;
    if (shadow > 0) {
        canvas.DrawImage(shadowImage_, {pos.left, baseline, pos.right, baseline + shadow});
    }
    const int slot = pos.Width() / static_cast<int>(items_.size());
    const int width = pillarImageWidth_ > 0 ? std::min(pillarImageWidth_, slot) : slot * 3 / 5;
    for (size_t i = 0; i < items_.size(); ++i) {
        const int slotLeft = pos.left + static_cast<int>(i) * slot;
        const int height =
            static_cast<int>(Positive(items_[i].value) / highest * std::max(baseline - pos.top, 0));
        const Rect pillar{slotLeft + (slot - width) / 2, baseline - height,
                          slotLeft + (slot - width) / 2 + width, baseline};
        if (pillarImage_.empty()) {
            canvas.FillRect(pillar, ItemColor(i));
        } else {
            canvas.DrawImage(pillarImage_, pillar);
        }
        if (showText_) {
            canvas.DrawText({slotLeft, pos.bottom - labels, slotLeft + slot, pos.bottom},
                            items_[i].label, style);
        }
    }
}

}  // namespace ui
