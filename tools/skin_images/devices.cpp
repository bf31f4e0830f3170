// Device pictures: the mouse views with their button overlays and label frames, the white light
// shapes the previews tint, key caps, the keyboard case and the mouse pad.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>

#include "draw.h"
#include "images.h"

namespace skin_images {
namespace {

constexpr double kPi = std::numbers::pi;

constexpr Argb kShellEdge = 0xFF3C434F;
constexpr Argb kRecess = 0xFF0E1013;

// ---------------------------------------------------------------------------------------------
// Mouse pictures. The front view is 140 × 250; every button overlay has the same size so the
// overlays stack on the picture.

constexpr int kMouseW = 140;
constexpr int kMouseH = 250;
constexpr double kMouseMiddle = kMouseW / 2.0;

void MouseBodyPath(cairo_t* cr) {
    cairo_move_to(cr, 70, 6);
    cairo_curve_to(cr, 112, 6, 128, 40, 128, 90);
    cairo_curve_to(cr, 128, 150, 126, 200, 112, 228);
    cairo_curve_to(cr, 100, 246, 40, 246, 28, 228);
    cairo_curve_to(cr, 14, 200, 12, 150, 12, 90);
    cairo_curve_to(cr, 12, 40, 28, 6, 70, 6);
    cairo_close_path(cr);
}

// A main button: the shell from the seam out to the flank, `side` -1 for left, +1 for right.
void MainButtonPath(cairo_t* cr, double side) {
    auto x = [side](double fromMiddle) { return kMouseMiddle + side * fromMiddle; };
    cairo_move_to(cr, x(4), 9);
    cairo_curve_to(cr, x(40), 12, x(54), 42, x(55), 96);
    cairo_line_to(cr, x(4), 100);
    cairo_close_path(cr);
}

// Outlines of the seven button parts: 1 left, 2 right, 3 wheel, 4 forward, 5 back, 6 and 7 the
// two sensitivity buttons behind the wheel.
void MousePartPath(cairo_t* cr, int part) {
    struct Box {
        double x, y, w, h, r;
    };
    static constexpr Box kSmallParts[] = {{63, 26, 14, 34, 7},
                                          {17, 104, 7, 26, 3},
                                          {17, 134, 7, 26, 3},
                                          {64, 66, 12, 10, 3},
                                          {64, 80, 12, 10, 3}};
    if (part <= 2) {
        MainButtonPath(cr, part == 1 ? -1 : 1);
        return;
    }
    const Box& box = kSmallParts[part - 3];
    RoundedRect(cr, box.x, box.y, box.w, box.h, box.r);
}

// Saves the plain and the hovered image of a part: `paint` gets whether it is hovered.
void SaveHoverPair(const std::string& plainPath, const std::string& overPath, int width, int height,
                   const std::function<void(cairo_t*, bool over)>& paint) {
    Save(plainPath, width, height, [&paint](cairo_t* cr) { paint(cr, false); });
    Save(overPath, width, height, [&paint](cairo_t* cr) { paint(cr, true); });
}

void DrawMouseFront() {
    Save("ulmar/mouse_front.png", kMouseW, kMouseH, [](cairo_t* cr) {
        MouseBodyPath(cr);
        cairo_pattern_t* p = cairo_pattern_create_radial(60, 70, 10, 70, 120, 150);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.22, 0.24, 0.28);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.09, 0.11);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetColour(cr, kShellEdge);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        // Button seam and palm logo.
        SetColour(cr, 0xFF0B0D10);
        cairo_set_line_width(cr, 2);
        Polyline(cr, {{70, 8}, {70, 100}});
        cairo_move_to(cr, 14, 98);
        cairo_curve_to(cr, 40, 104, 100, 104, 126, 98);
        cairo_stroke(cr);
        for (int part = 3; part <= 7; ++part) {
            MousePartPath(cr, part);
            SetColour(cr, kRecess);
            cairo_fill(cr);
        }
        Circle(cr, 70, 170, 12);
        SetColour(cr, 0xFF2A303A);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    });
}

// Left side: the profile of the shell with the two thumb buttons.
void DrawMouseSide() {
    Save("ulmar/mouse_side.png", kMouseH, kMouseW, [](cairo_t* cr) {
        cairo_move_to(cr, 10, 110);
        cairo_curve_to(cr, 20, 40, 120, 18, 200, 40);
        cairo_curve_to(cr, 236, 52, 244, 90, 238, 112);
        cairo_line_to(cr, 230, 124);
        cairo_line_to(cr, 20, 124);
        cairo_close_path(cr);
        VerticalGradient(cr, 20, 124, 0xFF343A44, 0xFF111317);
        cairo_fill_preserve(cr);
        SetColour(cr, kShellEdge);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        FillRounded(cr, 120, 64, 36, 14, 5, kRecess);
        FillRounded(cr, 160, 64, 36, 14, 5, kRecess);
        FillRect(cr, 24, 116, 200, 3, WithAlpha(kAccent, 0x90));
    });
}

// A plain and a hovered overlay per button part, and a frame behind each button's label:
// 112 × 20 with a lead dot on the right.
void DrawMouseOverlays() {
    for (int part = 1; part <= 7; ++part) {
        std::string stem = "ulmar/btn_" + std::to_string(part);
        SaveHoverPair(stem + ".png", stem + "_0.png", kMouseW, kMouseH,
                      [part](cairo_t* cr, bool over) {
                          MousePartPath(cr, part);
                          FillAndStroke(cr, over ? WithAlpha(kAccent, 0x70) : 0x0AFFFFFF,
                                        over ? kAccentLight : 0x30FFFFFF, over ? 2 : 1);
                      });
    }
    for (int part = 1; part <= 6; ++part) {
        std::string stem = "ulmar/F-" + std::to_string(part);
        SaveHoverPair(
            stem + "-normal.png", stem + "-over.png", 112, 20, [](cairo_t* cr, bool over) {
                FillRounded(cr, 0.5, 0.5, 103, 19, 4, over ? WithAlpha(kAccent, 0x38) : kRaised);
                StrokeRounded(cr, 0.5, 0.5, 103, 19, 4, 1, over ? kAccent : kBorder);
                Circle(cr, 108, 10, 3);
                SetColour(cr, over ? kAccentLight : 0xFF5A6372);
                cairo_fill(cr);
            });
    }
}

// ---------------------------------------------------------------------------------------------
// Light shapes and keyboard parts

// A soft white pill (a dot when square): rounded rectangles inset pixel by pixel, brighter
// towards the middle.
void Glow(cairo_t* cr, int w, int h) {
    double r = std::min(w, h) / 2.0;
    for (int i = 4; i >= 0; --i) {
        RoundedRect(cr, i, i, w - 2 * i, h - 2 * i, std::max(1.0, r - i));
        SetColour(
            cr, WithAlpha(0xFFFFFFFF, static_cast<std::uint8_t>(60 + i * -10 + 150 * (4 - i) / 4)));
        cairo_fill(cr);
    }
}

// White light shapes that the previews tint: mouse zones, pad strips, key lights.
void DrawLightShapes() {
    struct Shape {
        const char* name;
        int w;
        int h;
    };
    const Shape shapes[] = {{"ulmar/zone_v.png", 8, 18},
                            {"ulmar/zone_h.png", 18, 8},
                            {"ulmar/zone_dot.png", 14, 14},
                            {"ulmar/pad_strip_h.png", 48, 8},
                            {"ulmar/pad_strip_v.png", 8, 48}};
    for (const Shape& shape : shapes) {
        Save(shape.name, shape.w, shape.h, [&shape](cairo_t* cr) { Glow(cr, shape.w, shape.h); });
    }
    Save("ulmar/key_light.png", 24, 24, [](cairo_t* cr) {
        // A faint wash with a bright rim, so the tinted key keeps its legend readable.
        FillRounded(cr, 0, 0, 24, 24, 4, 0x48FFFFFF);
        StrokeRounded(cr, 0, 0, 24, 24, 4, 1.5, 0xFFFFFFFF);
    });
    Save("ulmar/key_set.png", 24, 24, [](cairo_t* cr) {
        cairo_move_to(cr, 14, 0);
        cairo_line_to(cr, 20, 0);
        cairo_arc(cr, 20, 4, 4, -kPi / 2, 0);
        cairo_line_to(cr, 24, 10);
        cairo_close_path(cr);
        SetColour(cr, 0xFFF0A640);
        cairo_fill(cr);
    });
}

// Key caps (nine-patch, corner 5) and the keyboard case (nine-patch, corner 14).
void DrawKeyboardParts() {
    struct Cap {
        const char* name;
        Argb top;
        Argb bottom;
        Argb border;
    };
    const Cap caps[] = {{"ulmar/key_normal.png", 0xFF2E333C, 0xFF22262D, 0xFF3A404B},
                        {"ulmar/key_hot.png", 0xFF38404B, 0xFF2A3038, kAccent},
                        {"ulmar/key_pushed.png", 0xFF1E2228, 0xFF1E2228, kAccentLight}};
    for (const Cap& cap : caps) {
        Save(cap.name, 24, 24, [&cap](cairo_t* cr) {
            FillRoundedGradient(cr, 0, 0, 24, 24, 4, cap.top, cap.bottom);
            StrokeRounded(cr, 0, 0, 24, 24, 4, 1, cap.border);
        });
    }
    Save("ulmar/keyboard_case.png", 40, 40, [](cairo_t* cr) {
        FillRoundedGradient(cr, 0, 0, 40, 40, 12, 0xFF1D2027, 0xFF121418);
        StrokeRounded(cr, 0, 0, 40, 40, 12, 1.5, 0xFF353B46);
        FillRect(cr, 12, 38, 16, 1, WithAlpha(kAccent, 0x80));
    });
    Save("ulmar/mousepad.png", 60, 60, [](cairo_t* cr) {
        FillRoundedGradient(cr, 0, 0, 60, 60, 14, 0xFF1E222A, 0xFF15181D);
        StrokeRounded(cr, 0, 0, 60, 60, 14, 2, 0xFF3A404B);
        StrokeRounded(cr, 8, 8, 44, 44, 8, 1, 0xFF262B33);
    });
}

}  // namespace

void DrawDevicePictures() {
    DrawMouseFront();
    DrawMouseSide();
    DrawMouseOverlays();
    DrawLightShapes();
    DrawKeyboardParts();
}

}  // namespace skin_images
