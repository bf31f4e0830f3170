// Window furniture: background, nine-patch faces, caption buttons and tabs.

#include <numbers>
#include <string>

#include "draw.h"
#include "images.h"

namespace skin_images {
namespace {

constexpr double kPi = std::numbers::pi;

// The main window's background.
void DrawWindowBackground() {
    Save("common/window_bg.png", 800, 572, [](cairo_t* cr) {
        VerticalGradient(cr, 0, 572, 0xFF181C23, 0xFF101216);
        cairo_paint(cr);
        // Faint diagonal lines give the dark surface some texture.
        cairo_set_line_width(cr, 1);
        SetColour(cr, 0x07FFFFFF);
        for (int x = -572; x < 800; x += 14) {
            Polyline(cr, {{x + 0.5, 572}, {x + 572.5, 0}});
        }
        cairo_stroke(cr);
        // Caption bar and a thin accent line beneath it.
        FillRect(cr, 0, 0, 800, 48, 0xE00E1014);
        FillRect(cr, 0, 47, 800, 1, WithAlpha(kAccent, 0xC0));
    });
}

// Shown on a colour button while the colour cycles: a rounded spectrum swatch.
void DrawCycleSwatch() {
    Save("common/base.png", 60, 26, [](cairo_t* cr) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 60, 0);
        const Argb stops[] = {0xFFFF2020, 0xFFFFE000, 0xFF30E040, 0xFF00D8FF,
                              0xFF0060FF, 0xFFA040FF, 0xFFFF2080};
        for (int i = 0; i < 7; ++i) {
            AddColourStop(p, i / 6.0, stops[i]);
        }
        RoundedRect(cr, 0.5, 0.5, 59, 25, 5);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    });
}

// Nine-patch button faces: 24 × 24, corners 6.
void DrawButtonFaces() {
    struct Face {
        const char* name;
        Argb fill;
        Argb border;
    };
    const Face faces[] = {
        {"common/btn_normal.png", kRaised, kBorder},
        {"common/btn_hot.png", kRaisedHot, WithAlpha(kAccent, 0xC0)},
        {"common/btn_pushed.png", 0xFF1A1E25, kAccent},
        {"common/btn_disabled.png", 0xFF1E2128, 0xFF2A2F38},
        {"common/btn_accent.png", kAccent, kAccent},
        {"common/btn_accent_hot.png", kAccentLight, kAccentLight},
        {"common/btn_accent_pushed.png", 0xFF017EA8, 0xFF017EA8},
        {"common/edit_normal.png", 0xFF111419, kBorder},
        {"common/edit_focus.png", 0xFF111419, kAccent},
        {"common/panel.png", WithAlpha(kPanel, 0xF0), 0xFF2A2F38},
        {"common/popup.png", 0xFF20242C, WithAlpha(kAccent, 0xA0)},
    };
    for (const Face& face : faces) {
        Save(face.name, 24, 24, [&face](cairo_t* cr) {
            FillRounded(cr, 0, 0, 24, 24, 5, face.fill);
            StrokeRounded(cr, 0, 0, 24, 24, 5, 1, face.border);
        });
    }
}

// Combo faces: nine-patch with the arrow inside the right inset (corner 6,6,24,6).
void DrawComboFaces() {
    struct Face {
        const char* name;
        Argb border;
        Argb arrow;
    };
    const Face faces[] = {{"common/combo_normal.png", kBorder, kTextDim},
                          {"common/combo_hot.png", kAccent, kAccentLight}};
    for (const Face& face : faces) {
        Save(face.name, 40, 24, [&face](cairo_t* cr) {
            FillRounded(cr, 0, 0, 40, 24, 5, 0xFF111419);
            StrokeRounded(cr, 0, 0, 40, 24, 5, 1, face.border);
            SetColour(cr, face.arrow);
            Polygon(cr, {{24, 10}, {32, 10}, {28, 15}});
            cairo_fill(cr);
        });
    }
}

// Caption buttons, 32 × 28 each in normal, hot and pushed state. The pen comes from the state;
// a glyph paints what it must itself and leaves the rest as the path to stroke.
void DrawCaptionButtons() {
    using Glyph = void (*)(cairo_t*);
    struct Button {
        const char* name;
        Argb hot;
        Glyph glyph;
    };
    const Button buttons[] = {
        {"close", kDanger, [](cairo_t* cr) { Cross(cr, 11, 9, 21, 19); }},
        {"min", kRaisedHot,
         [](cairo_t* cr) {
             Polyline(cr, {{11, 14.5}, {21, 14.5}});
         }},
        {"max", kRaisedHot, [](cairo_t* cr) { cairo_rectangle(cr, 11.5, 9.5, 9, 9); }},
        {"restore", kRaisedHot,
         [](cairo_t* cr) {
             cairo_rectangle(cr, 10.5, 11.5, 8, 8);
             Polyline(cr, {{13.5, 11.5}, {13.5, 8.5}, {21.5, 8.5}, {21.5, 16.5}, {18.5, 16.5}});
         }},
        {"skin", kRaisedHot,
         [](cairo_t* cr) {
             // A shirt: the usual sign for changing the look.
             Polyline(cr, {{12, 9},
                           {9, 12},
                           {11, 14},
                           {12, 13},
                           {12, 20},
                           {20, 20},
                           {20, 13},
                           {21, 14},
                           {23, 12},
                           {20, 9}});
             cairo_curve_to(cr, 18, 11, 14, 11, 12, 9);
             cairo_close_path(cr);
         }},
        {"help", kRaisedHot,
         [](cairo_t* cr) {
             Circle(cr, 16, 14, 6.5);
             cairo_stroke(cr);
             cairo_arc(cr, 16, 12.5, 2.2, kPi, 2.2 * kPi);
             cairo_line_to(cr, 16, 15.5);
             cairo_stroke(cr);
             // The dot goes last, over the hook's end, and leaves no path to stroke.
             Circle(cr, 16, 17.6, 0.9);
             cairo_fill(cr);
         }},
    };
    static const char* const kStates[] = {"normal", "hot", "pushed"};
    for (const Button& button : buttons) {
        for (int state = 0; state < 3; ++state) {
            std::string file =
                std::string("common/cap_") + button.name + "_" + kStates[state] + ".png";
            Save(file, 32, 28, [&button, state](cairo_t* cr) {
                if (state > 0) {
                    FillRounded(cr, 1, 1, 30, 26, 4,
                                state == 1 ? button.hot : WithAlpha(button.hot, 0xB0));
                }
                SetRoundPen(cr, state == 0 ? kTextDim : kText, 1.5);
                button.glyph(cr);
                cairo_stroke(cr);
            });
        }
    }
}

// Device tabs (120 × 36) and page tabs (nine-patch, accent underline when selected).
void DrawTabs() {
    Save("common/tab_hot.png", 24, 36,
         [](cairo_t* cr) { FillRounded(cr, 0, 4, 24, 28, 5, 0x18FFFFFF); });
    Save("common/tab_selected.png", 24, 36, [](cairo_t* cr) {
        FillRounded(cr, 0, 4, 24, 28, 5, WithAlpha(kAccent, 0x40));
        FillRect(cr, 0, 33, 24, 3, kAccent);
    });
    Save("common/pagetab_hot.png", 24, 32,
         [](cairo_t* cr) { FillRect(cr, 0, 0, 24, 32, 0x14FFFFFF); });
    Save("common/pagetab_selected.png", 24, 32, [](cairo_t* cr) {
        VerticalGradient(cr, 0, 32, WithAlpha(kAccent, 0x00), WithAlpha(kAccent, 0x38));
        cairo_paint(cr);
        FillRect(cr, 0, 29, 24, 3, kAccent);
    });
}

}  // namespace

void DrawWindowFurniture() {
    DrawWindowBackground();
    DrawCycleSwatch();
    DrawButtonFaces();
    DrawComboFaces();
    DrawCaptionButtons();
    DrawTabs();
}

}  // namespace skin_images
