// Icons (20 × 20, light strokes), the logo mark and the tray icons.

#include <cmath>
#include <numbers>
#include <string>

#include "draw.h"
#include "images.h"

namespace skin_images {
namespace {

constexpr double kPi = std::numbers::pi;

using Glyph = void (*)(cairo_t*);

void Icon(const std::string& name, Glyph glyph, Argb colour = kText) {
    Save("common/ico_" + name + ".png", 20, 20, [glyph, colour](cairo_t* cr) {
        SetRoundPen(cr, colour, 1.6);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        glyph(cr);
    });
}

// A vertical arrow on the icon's centre line from `tail` to `tip`, its head 4.5 deep.
void VerticalArrow(cairo_t* cr, double tail, double tip) {
    double head = tip < tail ? tip + 4.5 : tip - 4.5;
    Polyline(cr, {{10, tail}, {10, tip}});
    Polyline(cr, {{5.5, head}, {10, tip}, {14.5, head}});
    cairo_stroke(cr);
}

// The device tab icons, plain and in the selected tab's colour.
void DrawDeviceIcons() {
    struct Device {
        const char* name;
        Glyph glyph;
    };
    const Device devices[] = {
        {"mouse",
         [](cairo_t* cr) {
             RoundedRect(cr, 5.5, 2.5, 9, 15, 4.5);
             Polyline(cr, {{10, 2.5}, {10, 7.5}});
             cairo_stroke(cr);
         }},
        {"keyboard",
         [](cairo_t* cr) {
             RoundedRect(cr, 1.5, 5.5, 17, 10, 2);
             cairo_stroke(cr);
             for (int row = 0; row < 2; ++row) {
                 for (int col = 0; col < 5; ++col) {
                     cairo_rectangle(cr, 3.5 + col * 3, 7.5 + row * 3, 1.5, 1.5);
                 }
             }
             cairo_rectangle(cr, 6, 13, 8, 1.2);
             cairo_fill(cr);
         }},
        {"mousepad",
         [](cairo_t* cr) {
             RoundedRect(cr, 1.5, 4.5, 17, 11, 2.5);
             cairo_stroke(cr);
             RoundedRect(cr, 4, 7, 12, 6, 1.5);
             cairo_set_line_width(cr, 1);
             cairo_stroke(cr);
         }},
    };
    for (const Device& device : devices) {
        Icon(device.name, device.glyph);
        Icon(std::string(device.name) + "_on", device.glyph, kAccentLight);
    }
}

// Icons of the profile list and its commands.
void DrawCommandIcons() {
    Icon("profile", [](cairo_t* cr) {
        for (int i = 0; i < 3; ++i) {
            Polyline(cr, {{4, 5.5 + i * 4.5}, {16, 5.5 + i * 4.5}});
        }
        cairo_stroke(cr);
    });
    Icon("add", [](cairo_t* cr) {
        Polyline(cr, {{10, 4}, {10, 16}});
        Polyline(cr, {{4, 10}, {16, 10}});
        cairo_stroke(cr);
    });
    Icon("copy", [](cairo_t* cr) {
        RoundedRect(cr, 7.5, 7.5, 9, 9, 1.5);
        Polyline(cr, {{12.5, 4.5}, {4.5, 4.5}, {4.5, 12.5}});
        cairo_stroke(cr);
    });
    Icon("rename", [](cairo_t* cr) {
        Polygon(cr, {{4, 16}, {5, 12}, {13, 4}, {16, 7}, {8, 15}});
        cairo_stroke(cr);
    });
    Icon("delete", [](cairo_t* cr) {
        Polyline(cr, {{4, 6}, {16, 6}});
        Polyline(cr, {{8, 6}, {8.5, 3.5}, {11.5, 3.5}, {12, 6}});
        Polyline(cr, {{5.5, 6}, {6.5, 16.5}, {13.5, 16.5}, {14.5, 6}});
        cairo_stroke(cr);
    });
    Icon("restore", [](cairo_t* cr) {
        cairo_arc(cr, 10, 10.5, 6, -0.6 * kPi, 1.1 * kPi);
        cairo_stroke(cr);
        Polyline(cr, {{5, 3}, {7.5, 6}, {3.5, 7}});
        cairo_stroke(cr);
    });
    Icon("close", [](cairo_t* cr) {
        Cross(cr, 5, 5, 15, 15);
        cairo_stroke(cr);
    });
    Icon("up", [](cairo_t* cr) {
        Polyline(cr, {{5, 12.5}, {10, 7.5}, {15, 12.5}});
        cairo_stroke(cr);
    });
    Icon("down", [](cairo_t* cr) {
        Polyline(cr, {{5, 7.5}, {10, 12.5}, {15, 7.5}});
        cairo_stroke(cr);
    });
    Icon(
        "info",
        [](cairo_t* cr) {
            Circle(cr, 10, 10, 8);
            cairo_stroke(cr);
            Polyline(cr, {{10, 9}, {10, 14.5}});
            cairo_stroke(cr);
            Circle(cr, 10, 6, 1);
            cairo_fill(cr);
        },
        kAccentLight);
    Icon("palette", [](cairo_t* cr) {
        Circle(cr, 10, 10, 7.5);
        cairo_stroke(cr);
        for (int i = 0; i < 4; ++i) {
            double a = kPi * (0.9 + i * 0.45);
            Circle(cr, 10 + 4 * std::cos(a), 10 + 4 * std::sin(a), 1.3);
            cairo_fill(cr);
        }
    });
}

// Icons of the macro editor's steps.
void DrawMacroIcons() {
    Icon(
        "record",
        [](cairo_t* cr) {
            Circle(cr, 10, 10, 5);
            cairo_fill(cr);
        },
        kDanger);
    Icon(
        "delay",
        [](cairo_t* cr) {
            Circle(cr, 10, 10, 7);
            Polyline(cr, {{10, 5.5}, {10, 10}, {13.5, 12}});
            cairo_stroke(cr);
        },
        kTextDim);
    Icon(
        "key_down", [](cairo_t* cr) { VerticalArrow(cr, 4, 15); }, kAccentLight);
    Icon(
        "key_up", [](cairo_t* cr) { VerticalArrow(cr, 16, 5); }, 0xFFF0A640);
}

// The tray icon and the logo mark: an accent ring with a stylised pointer.
void DrawLogo(const std::string& name, int size) {
    Save(name, size, size, [size](cairo_t* cr) {
        double s = size / 32.0;
        cairo_scale(cr, s, s);
        FillRounded(cr, 1, 1, 30, 30, 8, 0xFF101318);
        Circle(cr, 16, 16, 11);
        SetColour(cr, kAccent);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        Polygon(cr, {{13, 9}, {22, 17}, {17.5, 17.5}, {15, 22}});
        SetColour(cr, 0xFFFFFFFF);
        cairo_fill(cr);
    });
}

}  // namespace

void DrawIcons() {
    DrawDeviceIcons();
    DrawCommandIcons();
    DrawMacroIcons();
    DrawLogo("common/logo.png", 28);
    DrawLogo("common/tray.png", 32);
    DrawLogo("common/tray_64.png", 64);
}

}  // namespace skin_images
