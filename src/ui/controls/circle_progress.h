#pragma once

#include <memory>
#include <string_view>

#include "toolkit/core/progress.h"

namespace ui {

// A progress indicator drawn as a ring: the background colour as a full disc, the fore colour
// as a sector from six o'clock clockwise, and a white disc 10 pixels inside the edge on top.
class CCircleProgressUI : public toolkit::CProgressUI {
public:
    static constexpr std::string_view kClassName = "CircleProgress";
    static std::unique_ptr<toolkit::CControlUI> CreateControl();

    std::string_view GetClass() const override { return kClassName; }

    void PaintBkColor(toolkit::Canvas& canvas) override;
    void PaintForeColor(toolkit::Canvas& canvas) override;
    // No fore image: the sector is the indicator.
    void PaintForeImage(toolkit::Canvas& canvas) override;

    // Degrees of the sector: value / (max − min) × 360, the value not reduced by the minimum;
    // 0 for an empty range.
    double SweepDegrees() const;
};

}  // namespace ui
