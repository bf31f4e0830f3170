#include "toolkit/core/color_palette.h"

#include <algorithm>
#include <cmath>

#include "toolkit/core/notify.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

namespace {

constexpr int kCell = 6;  // size of the squares the plane is painted with

uint8_t ToByte(double unit) {
    return static_cast<uint8_t>(std::lround(unit * 255.0));
}

double Fraction(int offset, int length) {
    return length > 1 ? std::clamp(double(offset) / (length - 1), 0.0, 1.0) : 0.0;
}

int Offset(double fraction, int length) {
    return static_cast<int>(std::lround(fraction * std::max(length - 1, 0)));
}

}  // namespace

Color ColorFromHsb(double hue, double saturation, double brightness) {
    double h = std::fmod(hue, 360.0) / 60.0;
    double c = brightness * saturation;
    double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    double m = brightness - c;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
        case 0:
            r = c, g = x;
            break;
        case 1:
            r = x, g = c;
            break;
        case 2:
            g = c, b = x;
            break;
        case 3:
            g = x, b = c;
            break;
        case 4:
            r = x, b = c;
            break;
        default:
            r = c, b = x;
            break;
    }
    return render::MakeColor(0xFF, ToByte(r + m), ToByte(g + m), ToByte(b + m));
}

void HsbFromColor(Color color, double& hue, double& saturation, double& brightness) {
    double r = render::RedOf(color) / 255.0;
    double g = render::GreenOf(color) / 255.0;
    double b = render::BlueOf(color) / 255.0;
    double max = std::max({r, g, b});
    double min = std::min({r, g, b});
    double delta = max - min;
    brightness = max;
    saturation = max > 0 ? delta / max : 0;
    if (delta <= 0) {
        hue = 0;
    } else if (max == r) {
        hue = 60 * std::fmod((g - b) / delta + 6, 6.0);
    } else if (max == g) {
        hue = 60 * ((b - r) / delta + 2);
    } else {
        hue = 60 * ((r - g) / delta + 4);
    }
}

void CColorPaletteUI::SetSelectColor(Color color) {
    selected_ = color;
    HsbFromColor(color, hue_, saturation_, brightness_);
    Invalidate();
}

Rect CColorPaletteUI::PlaneRect() const {
    Rect r = GetPos();
    r.bottom = std::max(r.top, r.bottom - barHeight_ - barGap_);
    return r;
}

Rect CColorPaletteUI::BarRect() const {
    Rect r = GetPos();
    r.top = std::max(r.top, r.bottom - barHeight_);
    return r;
}

Color CColorPaletteUI::ColorAt(Point point) const {
    Rect plane = PlaneRect();
    Rect bar = BarRect();
    if (point.y >= bar.top) {
        return ColorFromHsb(hue_, saturation_, Fraction(point.x - bar.left, bar.Width()));
    }
    double hue = 360.0 * Fraction(point.x - plane.left, plane.Width());
    double saturation = 1.0 - Fraction(point.y - plane.top, plane.Height());
    return ColorFromHsb(std::min(hue, 359.999), saturation, brightness_);
}

Point CColorPaletteUI::PointFor(Color color) const {
    double hue = 0, saturation = 0, brightness = 0;
    HsbFromColor(color, hue, saturation, brightness);
    Rect plane = PlaneRect();
    return {plane.left + Offset(hue / 360.0, plane.Width()),
            plane.top + Offset(1.0 - saturation, plane.Height())};
}

void CColorPaletteUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "barheight") {
        barHeight_ = std::max(0, ParseInt(value));
    } else if (name == "bargap") {
        barGap_ = std::max(0, ParseInt(value));
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

bool CColorPaletteUI::Pick(Point point) {
    Rect plane = PlaneRect();
    Rect bar = BarRect();
    if (draggingBar_) {
        brightness_ = Fraction(point.x - bar.left, bar.Width());
    } else {
        hue_ = std::min(360.0 * Fraction(point.x - plane.left, plane.Width()), 359.999);
        saturation_ = 1.0 - Fraction(point.y - plane.top, plane.Height());
    }
    Color picked = ColorFromHsb(hue_, saturation_, brightness_);
    Invalidate();
    if (picked == selected_) {
        return false;
    }
    selected_ = picked;
    return true;
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kButtonDown:
            if (IsEnabled()) {
                pushed_ = true;
                draggingBar_ = event.mouse.y >= BarRect().top;
                if (Pick(event.mouse)) {
                    SendNotify(notify::kColorChanged);
                }
            }
            return;
        case UIEventType::kMouseMove:
            if (pushed_ && Pick(event.mouse)) {
                SendNotify(notify::kColorChanged);
            }
            return;
        case UIEventType::kButtonUp:
            pushed_ = false;
            return;
        default:
            break;
    }
    CControlUI::DoEvent(event);
}

void CColorPaletteUI::PaintBkImage(Canvas& canvas) {
    Rect plane = PlaneRect();
    for (int y = plane.top; y < plane.bottom; y += kCell) {
        double saturation = 1.0 - Fraction(y - plane.top, plane.Height());
        for (int x = plane.left; x < plane.right; x += kCell) {
            double hue = std::min(360.0 * Fraction(x - plane.left, plane.Width()), 359.999);
            Rect cell{x, y, std::min(x + kCell, plane.right), std::min(y + kCell, plane.bottom)};
            canvas.FillRect(cell, ColorFromHsb(hue, saturation, brightness_));
        }
    }
    Rect bar = BarRect();
    for (int x = bar.left; x < bar.right; x += kCell / 2) {
        Rect strip{x, bar.top, std::min(x + kCell / 2, bar.right), bar.bottom};
        canvas.FillRect(strip,
                        ColorFromHsb(hue_, saturation_, Fraction(x - bar.left, bar.Width())));
    }
}

void CColorPaletteUI::PaintStatusImage(Canvas& canvas) {
    Rect plane = PlaneRect();
    Point mark{plane.left + Offset(hue_ / 360.0, plane.Width()),
               plane.top + Offset(1.0 - saturation_, plane.Height())};
    canvas.DrawBorder(Rect::FromSize(mark.x - 4, mark.y - 4, 9, 9), 2, 0xFFFFFFFF, 4);
    Rect bar = BarRect();
    int x = bar.left + Offset(brightness_, bar.Width());
    canvas.DrawBorder({x - 2, bar.top, x + 3, bar.bottom}, 1, 0xFF000000);
}

}  // namespace toolkit
