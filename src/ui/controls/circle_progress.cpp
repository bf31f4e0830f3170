#include "ui/controls/circle_progress.h"

namespace ui {
namespace {

constexpr double kStartDegrees = 90;
constexpr int kRingWidth = 10;
constexpr toolkit::Color kInnerDisc = 0xFFFFFFFF;

}  // namespace

std::unique_ptr<toolkit::CControlUI> CCircleProgressUI::CreateControl() {
    return std::make_unique<CCircleProgressUI>();
}

void CCircleProgressUI::PaintBkColor(toolkit::Canvas& canvas) {
    canvas.FillPie(GetPos(), 0, 360, GetBkColor());
}

double CCircleProgressUI::SweepDegrees() const {
    const int range = GetMaxValue() - GetMinValue();
    // An empty range would divide by zero; it shows no progress.
    if (range == 0) {
        return 0;
    }
    return static_cast<double>(GetValue()) / range * 360.0;
}

void CCircleProgressUI::PaintForeColor(toolkit::Canvas& canvas) {
    canvas.FillPie(GetPos(), kStartDegrees, SweepDegrees(), GetForeColor());
    canvas.FillPie(GetPos().Deflate(kRingWidth), 0, 360, kInnerDisc);
}

void CCircleProgressUI::PaintForeImage(toolkit::Canvas& /*canvas*/) {}

}  // namespace ui
