#pragma once

#include "toolkit/core/control.h"

namespace toolkit {

// A colour picker: hue across and saturation down the upper plane, brightness along the bar
// below it. Pressing or dragging picks a colour and sends "colorchanged".
class CColorPaletteUI : public CControlUI {
public:
    std::string_view GetClass() const override { return "ColorPaletteUI"; }

    // ARGB; the palette shows it exactly as given until the user picks another.
    void SetSelectColor(Color color);
    Color GetSelectColor() const { return selected_; }
    // The colour a press at the point picks, and the point that picks the colour.
    Color ColorAt(Point point) const;
    Point PointFor(Color color) const;

    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;
    void PaintBkImage(Canvas& canvas) override;
    void PaintStatusImage(Canvas& canvas) override;

private:
    Rect PlaneRect() const;
    Rect BarRect() const;
    // Moves the picked position; true when the colour changed.
    bool Pick(Point point);

    Color selected_ = 0xFFFF0000;
    double hue_ = 0;  // 0 … 360
    double saturation_ = 1;
    double brightness_ = 1;
    int barHeight_ = 12;
    int barGap_ = 4;
    bool pushed_ = false;
    bool draggingBar_ = false;
};

// Colour conversions for the palette.
Color ColorFromHsb(double hue, double saturation, double brightness);
void HsbFromColor(Color color, double& hue, double& saturation, double& brightness);

}  // namespace toolkit
