// Draws every PNG the skin files and the program name: window background, buttons, caption
// buttons, tabs, slider parts, check boxes, device pictures with their button overlays and
// light zones, report-rate and speed scales, icons and the tray icon.
//
// Usage: kavrin_skin_images <skin folder>

#include <cmath>
#include <cstdio>
#include <exception>
#include <numbers>
#include <string>

#include "draw.h"

namespace skin_images {
namespace {

constexpr double kPi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Window furniture

// The main window's background.
void DrawWindowBackground() {
    Save("common/window_bg.png", 800, 572, [](cairo_t* cr) {
        VerticalGradient(cr, 0, 572, 0xFF181C23, 0xFF101216);
        cairo_paint(cr);
        // Faint diagonal lines give the dark surface some texture.
        cairo_set_line_width(cr, 1);
        SetColour(cr, 0x07FFFFFF);
        for (int x = -572; x < 800; x += 14) {
            cairo_move_to(cr, x + 0.5, 572);
            cairo_line_to(cr, x + 572.5, 0);
        }
        cairo_stroke(cr);
        // Caption bar and a thin accent line beneath it.
        SetColour(cr, 0xE00E1014);
        cairo_rectangle(cr, 0, 0, 800, 48);
        cairo_fill(cr);
        SetColour(cr, WithAlpha(kAccent, 0xC0));
        cairo_rectangle(cr, 0, 47, 800, 1);
        cairo_fill(cr);
    });
}

// Shown on a colour button while the colour cycles: a rounded spectrum swatch.
void DrawCycleSwatch() {
    Save("common/base.png", 60, 26, [](cairo_t* cr) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 60, 0);
        const Argb stops[] = {0xFFFF2020, 0xFFFFE000, 0xFF30E040, 0xFF00D8FF,
                              0xFF0060FF, 0xFFA040FF, 0xFFFF2080};
        for (int i = 0; i < 7; ++i) {
            Argb c = stops[i];
            cairo_pattern_add_color_stop_rgb(p, i / 6.0, ((c >> 16) & 0xFF) / 255.0,
                                             ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
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
            cairo_move_to(cr, 24, 10);
            cairo_line_to(cr, 32, 10);
            cairo_line_to(cr, 28, 15);
            cairo_close_path(cr);
            cairo_fill(cr);
        });
    }
}

// Caption buttons, 32 × 28 each in normal, hot and pushed state.
void DrawCaptionButtons() {
    using Glyph = void (*)(cairo_t*);
    struct Button {
        const char* name;
        Glyph glyph;
        Argb hot;
    };
    const Button buttons[] = {
        {"close",
         [](cairo_t* cr) {
             cairo_move_to(cr, 11, 9);
             cairo_line_to(cr, 21, 19);
             cairo_move_to(cr, 21, 9);
             cairo_line_to(cr, 11, 19);
             cairo_stroke(cr);
         },
         kDanger},
        {"min",
         [](cairo_t* cr) {
             cairo_move_to(cr, 11, 14.5);
             cairo_line_to(cr, 21, 14.5);
             cairo_stroke(cr);
         },
         kRaisedHot},
        {"max",
         [](cairo_t* cr) {
             cairo_rectangle(cr, 11.5, 9.5, 9, 9);
             cairo_stroke(cr);
         },
         kRaisedHot},
        {"restore",
         [](cairo_t* cr) {
             cairo_rectangle(cr, 10.5, 11.5, 8, 8);
             cairo_move_to(cr, 13.5, 11.5);
             cairo_line_to(cr, 13.5, 8.5);
             cairo_line_to(cr, 21.5, 8.5);
             cairo_line_to(cr, 21.5, 16.5);
             cairo_line_to(cr, 18.5, 16.5);
             cairo_stroke(cr);
         },
         kRaisedHot},
        {"skin",
         [](cairo_t* cr) {
             // A shirt: the usual sign for changing the look.
             cairo_move_to(cr, 12, 9);
             cairo_line_to(cr, 9, 12);
             cairo_line_to(cr, 11, 14);
             cairo_line_to(cr, 12, 13);
             cairo_line_to(cr, 12, 20);
             cairo_line_to(cr, 20, 20);
             cairo_line_to(cr, 20, 13);
             cairo_line_to(cr, 21, 14);
             cairo_line_to(cr, 23, 12);
             cairo_line_to(cr, 20, 9);
             cairo_curve_to(cr, 18, 11, 14, 11, 12, 9);
             cairo_close_path(cr);
             cairo_stroke(cr);
         },
         kRaisedHot},
        {"help",
         [](cairo_t* cr) {
             cairo_arc(cr, 16, 14, 6.5, 0, 2 * kPi);
             cairo_stroke(cr);
             cairo_arc(cr, 16, 12.5, 2.2, kPi, 2.2 * kPi);
             cairo_line_to(cr, 16, 15.5);
             cairo_stroke(cr);
             cairo_arc(cr, 16, 17.6, 0.9, 0, 2 * kPi);
             cairo_fill(cr);
         },
         kRaisedHot},
    };
    for (const Button& button : buttons) {
        for (int state = 0; state < 3; ++state) {
            static const char* const kStates[] = {"normal", "hot", "pushed"};
            std::string file =
                std::string("common/cap_") + button.name + "_" + kStates[state] + ".png";
            Save(file, 32, 28, [&](cairo_t* cr) {
                if (state > 0) {
                    FillRounded(cr, 1, 1, 30, 26, 4,
                                state == 1 ? button.hot : WithAlpha(button.hot, 0xB0));
                }
                SetColour(cr, state == 0 ? kTextDim : kText);
                cairo_set_line_width(cr, 1.5);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                button.glyph(cr);
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
        SetColour(cr, kAccent);
        cairo_rectangle(cr, 0, 33, 24, 3);
        cairo_fill(cr);
    });
    Save("common/pagetab_hot.png", 24, 32, [](cairo_t* cr) {
        SetColour(cr, 0x14FFFFFF);
        cairo_rectangle(cr, 0, 0, 24, 32);
        cairo_fill(cr);
    });
    Save("common/pagetab_selected.png", 24, 32, [](cairo_t* cr) {
        VerticalGradient(cr, 0, 32, WithAlpha(kAccent, 0x00), WithAlpha(kAccent, 0x38));
        cairo_paint(cr);
        SetColour(cr, kAccent);
        cairo_rectangle(cr, 0, 29, 24, 3);
        cairo_fill(cr);
    });
}

// Slider track (nine-patch), filled part and thumb.
void DrawSliderParts() {
    // 24 × 16 so the bar sits centred under the 16-pixel thumb; stretched with corner 4,0,4,0.
    Save("common/slider_track.png", 24, 16, [](cairo_t* cr) {
        FillRounded(cr, 0, 5, 24, 6, 3, 0xFF0D0F13);
        StrokeRounded(cr, 0, 5, 24, 6, 3, 1, kBorder);
    });
    Save("common/slider_fill.png", 24, 16,
         [](cairo_t* cr) { FillRounded(cr, 0, 5, 24, 6, 3, kAccent); });
    struct Thumb {
        const char* name;
        Argb ring;
    };
    const Thumb thumbs[] = {{"common/thumb_normal.png", kAccent},
                            {"common/thumb_hot.png", kAccentLight},
                            {"common/thumb_pushed.png", kText}};
    for (const Thumb& thumb : thumbs) {
        Save(thumb.name, 16, 16, [&thumb](cairo_t* cr) {
            cairo_arc(cr, 8, 8, 7, 0, 2 * kPi);
            SetColour(cr, 0xFFF4F6F8);
            cairo_fill_preserve(cr);
            SetColour(cr, thumb.ring);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        });
    }
}

// Check boxes and radio marks, 16 × 16.
void DrawChecks() {
    Save("common/check_off.png", 16, 16, [](cairo_t* cr) {
        FillRounded(cr, 1, 1, 14, 14, 3, 0xFF111419);
        StrokeRounded(cr, 1, 1, 14, 14, 3, 1.2, 0xFF5A6372);
    });
    Save("common/check_hot.png", 16, 16, [](cairo_t* cr) {
        FillRounded(cr, 1, 1, 14, 14, 3, 0xFF111419);
        StrokeRounded(cr, 1, 1, 14, 14, 3, 1.2, kAccent);
    });
    Save("common/check_on.png", 16, 16, [](cairo_t* cr) {
        FillRounded(cr, 1, 1, 14, 14, 3, kAccent);
        SetColour(cr, 0xFFFFFFFF);
        cairo_set_line_width(cr, 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, 4.5, 8.5);
        cairo_line_to(cr, 7, 11);
        cairo_line_to(cr, 11.5, 5.5);
        cairo_stroke(cr);
    });
    Save("common/radio_off.png", 16, 16, [](cairo_t* cr) {
        cairo_arc(cr, 8, 8, 6.5, 0, 2 * kPi);
        SetColour(cr, 0xFF111419);
        cairo_fill_preserve(cr);
        SetColour(cr, 0xFF5A6372);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    });
    Save("common/radio_on.png", 16, 16, [](cairo_t* cr) {
        cairo_arc(cr, 8, 8, 6.5, 0, 2 * kPi);
        SetColour(cr, 0xFF111419);
        cairo_fill_preserve(cr);
        SetColour(cr, kAccent);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_arc(cr, 8, 8, 3.5, 0, 2 * kPi);
        cairo_fill(cr);
    });
}

// ---------------------------------------------------------------------------------------------
// Icons (20 × 20, light strokes)

void Icon(const std::string& name, void (*glyph)(cairo_t*), Argb colour = kText) {
    Save("common/ico_" + name + ".png", 20, 20, [glyph, colour](cairo_t* cr) {
        SetColour(cr, colour);
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        glyph(cr);
    });
}

void DrawIcons() {
    auto mouse = [](cairo_t* cr) {
        RoundedRect(cr, 5.5, 2.5, 9, 15, 4.5);
        cairo_move_to(cr, 10, 2.5);
        cairo_line_to(cr, 10, 7.5);
        cairo_stroke(cr);
    };
    auto keyboard = [](cairo_t* cr) {
        RoundedRect(cr, 1.5, 5.5, 17, 10, 2);
        cairo_stroke(cr);
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 5; ++col) {
                cairo_rectangle(cr, 3.5 + col * 3, 7.5 + row * 3, 1.5, 1.5);
            }
        }
        cairo_rectangle(cr, 6, 13, 8, 1.2);
        cairo_fill(cr);
    };
    auto pad = [](cairo_t* cr) {
        RoundedRect(cr, 1.5, 4.5, 17, 11, 2.5);
        cairo_stroke(cr);
        RoundedRect(cr, 4, 7, 12, 6, 1.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    };
    Icon("mouse", mouse);
    Icon("keyboard", keyboard);
    Icon("mousepad", pad);
    Icon("mouse_on", mouse, kAccentLight);
    Icon("keyboard_on", keyboard, kAccentLight);
    Icon("mousepad_on", pad, kAccentLight);
    Icon("profile", [](cairo_t* cr) {
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, 4, 5.5 + i * 4.5);
            cairo_line_to(cr, 16, 5.5 + i * 4.5);
        }
        cairo_stroke(cr);
    });
    Icon("add", [](cairo_t* cr) {
        cairo_move_to(cr, 10, 4);
        cairo_line_to(cr, 10, 16);
        cairo_move_to(cr, 4, 10);
        cairo_line_to(cr, 16, 10);
        cairo_stroke(cr);
    });
    Icon("copy", [](cairo_t* cr) {
        RoundedRect(cr, 7.5, 7.5, 9, 9, 1.5);
        cairo_move_to(cr, 12.5, 4.5);
        cairo_line_to(cr, 4.5, 4.5);
        cairo_line_to(cr, 4.5, 12.5);
        cairo_stroke(cr);
    });
    Icon("rename", [](cairo_t* cr) {
        cairo_move_to(cr, 4, 16);
        cairo_line_to(cr, 5, 12);
        cairo_line_to(cr, 13, 4);
        cairo_line_to(cr, 16, 7);
        cairo_line_to(cr, 8, 15);
        cairo_close_path(cr);
        cairo_stroke(cr);
    });
    Icon("delete", [](cairo_t* cr) {
        cairo_move_to(cr, 4, 6);
        cairo_line_to(cr, 16, 6);
        cairo_move_to(cr, 8, 6);
        cairo_line_to(cr, 8.5, 3.5);
        cairo_line_to(cr, 11.5, 3.5);
        cairo_line_to(cr, 12, 6);
        cairo_move_to(cr, 5.5, 6);
        cairo_line_to(cr, 6.5, 16.5);
        cairo_line_to(cr, 13.5, 16.5);
        cairo_line_to(cr, 14.5, 6);
        cairo_stroke(cr);
    });
    Icon("restore", [](cairo_t* cr) {
        cairo_arc(cr, 10, 10.5, 6, -0.6 * kPi, 1.1 * kPi);
        cairo_stroke(cr);
        cairo_move_to(cr, 5, 3);
        cairo_line_to(cr, 7.5, 6);
        cairo_line_to(cr, 3.5, 7);
        cairo_stroke(cr);
    });
    Icon("close", [](cairo_t* cr) {
        cairo_move_to(cr, 5, 5);
        cairo_line_to(cr, 15, 15);
        cairo_move_to(cr, 15, 5);
        cairo_line_to(cr, 5, 15);
        cairo_stroke(cr);
    });
    Icon("up", [](cairo_t* cr) {
        cairo_move_to(cr, 5, 12.5);
        cairo_line_to(cr, 10, 7.5);
        cairo_line_to(cr, 15, 12.5);
        cairo_stroke(cr);
    });
    Icon("down", [](cairo_t* cr) {
        cairo_move_to(cr, 5, 7.5);
        cairo_line_to(cr, 10, 12.5);
        cairo_line_to(cr, 15, 7.5);
        cairo_stroke(cr);
    });
    Icon(
        "info",
        [](cairo_t* cr) {
            cairo_arc(cr, 10, 10, 8, 0, 2 * kPi);
            cairo_stroke(cr);
            cairo_move_to(cr, 10, 9);
            cairo_line_to(cr, 10, 14.5);
            cairo_stroke(cr);
            cairo_arc(cr, 10, 6, 1, 0, 2 * kPi);
            cairo_fill(cr);
        },
        kAccentLight);
    Icon("palette", [](cairo_t* cr) {
        cairo_arc(cr, 10, 10, 7.5, 0, 2 * kPi);
        cairo_stroke(cr);
        for (int i = 0; i < 4; ++i) {
            double a = kPi * (0.9 + i * 0.45);
            cairo_arc(cr, 10 + 4 * std::cos(a), 10 + 4 * std::sin(a), 1.3, 0, 2 * kPi);
            cairo_fill(cr);
        }
    });
    Icon(
        "record",
        [](cairo_t* cr) {
            cairo_arc(cr, 10, 10, 5, 0, 2 * kPi);
            cairo_fill(cr);
        },
        kDanger);
    Icon(
        "delay",
        [](cairo_t* cr) {
            cairo_arc(cr, 10, 10, 7, 0, 2 * kPi);
            cairo_move_to(cr, 10, 5.5);
            cairo_line_to(cr, 10, 10);
            cairo_line_to(cr, 13.5, 12);
            cairo_stroke(cr);
        },
        kTextDim);
    Icon(
        "key_down",
        [](cairo_t* cr) {
            cairo_move_to(cr, 10, 4);
            cairo_line_to(cr, 10, 15);
            cairo_move_to(cr, 5.5, 10.5);
            cairo_line_to(cr, 10, 15);
            cairo_line_to(cr, 14.5, 10.5);
            cairo_stroke(cr);
        },
        kAccentLight);
    Icon(
        "key_up",
        [](cairo_t* cr) {
            cairo_move_to(cr, 10, 16);
            cairo_line_to(cr, 10, 5);
            cairo_move_to(cr, 5.5, 9.5);
            cairo_line_to(cr, 10, 5);
            cairo_line_to(cr, 14.5, 9.5);
            cairo_stroke(cr);
        },
        0xFFF0A640);
}

// The tray icon and the logo mark: an accent ring with a stylised pointer.
void DrawLogo(const std::string& name, int size) {
    Save(name, size, size, [size](cairo_t* cr) {
        double s = size / 32.0;
        cairo_scale(cr, s, s);
        FillRounded(cr, 1, 1, 30, 30, 8, 0xFF101318);
        cairo_arc(cr, 16, 16, 11, 0, 2 * kPi);
        SetColour(cr, kAccent);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, 13, 9);
        cairo_line_to(cr, 22, 17);
        cairo_line_to(cr, 17.5, 17.5);
        cairo_line_to(cr, 15, 22);
        cairo_close_path(cr);
        SetColour(cr, 0xFFFFFFFF);
        cairo_fill(cr);
    });
}

// ---------------------------------------------------------------------------------------------
// Performance page scales

// Report rate bar, 300 × 26: four segments, those up to the chosen rate lit.
void DrawRateBars() {
    const char* const kRates[] = {"125", "250", "500", "1000"};
    for (int chosen = 0; chosen < 4; ++chosen) {
        Save(std::string("ulmar/") + kRates[chosen] + ".png", 300, 26, [chosen](cairo_t* cr) {
            for (int i = 0; i < 4; ++i) {
                double x = i * 75 + 2;
                Argb fill =
                    i < chosen ? WithAlpha(kAccent, 0x55) : (i == chosen ? kAccent : kRaised);
                FillRounded(cr, x, 2, 71, 22, 4, fill);
                if (i != chosen) {
                    StrokeRounded(cr, x, 2, 71, 22, 4, 1,
                                  i < chosen ? WithAlpha(kAccent, 0x90) : kBorder);
                }
            }
        });
    }
}

// Speed scale behind the pointer and double-click sliders, 240 × 22: a track filled up to
// position p of 0 … 10 with tick marks; "ulmar/<p + 1>.png".
void DrawSpeedScales() {
    for (int p = 0; p <= 10; ++p) {
        Save("ulmar/" + std::to_string(p + 1) + ".png", 240, 22, [p](cairo_t* cr) {
            const double left = 8;
            const double span = 224;
            FillRounded(cr, left - 3, 8, span + 6, 6, 3, 0xFF0D0F13);
            double filled = span * p / 10.0;
            FillRounded(cr, left - 3, 8, filled + 6, 6, 3, kAccent);
            for (int tick = 0; tick <= 10; ++tick) {
                double x = std::round(left + span * tick / 10.0) + 0.5;
                SetColour(cr, tick <= p ? WithAlpha(kAccentLight, 0xC0) : 0xFF4A5260);
                cairo_rectangle(cr, x - 0.5, 17, 1, 4);
                cairo_fill(cr);
            }
        });
    }
}

// ---------------------------------------------------------------------------------------------
// Mouse pictures. The front view is 140 × 250; every button overlay has the same size so the
// overlays stack on the picture.

constexpr int kMouseW = 140;
constexpr int kMouseH = 250;

void MouseBodyPath(cairo_t* cr) {
    cairo_move_to(cr, 70, 6);
    cairo_curve_to(cr, 112, 6, 128, 40, 128, 90);
    cairo_curve_to(cr, 128, 150, 126, 200, 112, 228);
    cairo_curve_to(cr, 100, 246, 40, 246, 28, 228);
    cairo_curve_to(cr, 14, 200, 12, 150, 12, 90);
    cairo_curve_to(cr, 12, 40, 28, 6, 70, 6);
    cairo_close_path(cr);
}

// Outlines of the seven button parts: 1 left, 2 right, 3 wheel, 4 forward, 5 back, 6 and 7 the
// two sensitivity buttons behind the wheel.
void MousePartPath(cairo_t* cr, int part) {
    switch (part) {
        case 1:
            cairo_move_to(cr, 66, 9);
            cairo_curve_to(cr, 30, 12, 16, 42, 15, 96);
            cairo_line_to(cr, 66, 100);
            cairo_close_path(cr);
            break;
        case 2:
            cairo_move_to(cr, 74, 9);
            cairo_curve_to(cr, 110, 12, 124, 42, 125, 96);
            cairo_line_to(cr, 74, 100);
            cairo_close_path(cr);
            break;
        case 3:
            RoundedRect(cr, 63, 26, 14, 34, 7);
            break;
        case 4:
            RoundedRect(cr, 17, 104, 7, 26, 3);
            break;
        case 5:
            RoundedRect(cr, 17, 134, 7, 26, 3);
            break;
        case 6:
            RoundedRect(cr, 64, 66, 12, 10, 3);
            break;
        default:
            RoundedRect(cr, 64, 80, 12, 10, 3);
            break;
    }
}

void DrawMousePictures() {
    Save("ulmar/mouse_front.png", kMouseW, kMouseH, [](cairo_t* cr) {
        MouseBodyPath(cr);
        cairo_pattern_t* p = cairo_pattern_create_radial(60, 70, 10, 70, 120, 150);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.22, 0.24, 0.28);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.09, 0.11);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetColour(cr, 0xFF3C434F);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        // Button seam and palm logo.
        SetColour(cr, 0xFF0B0D10);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 70, 8);
        cairo_line_to(cr, 70, 100);
        cairo_move_to(cr, 14, 98);
        cairo_curve_to(cr, 40, 104, 100, 104, 126, 98);
        cairo_stroke(cr);
        for (int part = 3; part <= 7; ++part) {
            MousePartPath(cr, part);
            SetColour(cr, 0xFF0E1013);
            cairo_fill(cr);
        }
        cairo_arc(cr, 70, 170, 12, 0, 2 * kPi);
        SetColour(cr, 0xFF2A303A);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    });
    Save("ulmar/mouse_side.png", kMouseH, kMouseW, [](cairo_t* cr) {
        // Left side: the profile of the shell with the two thumb buttons.
        cairo_move_to(cr, 10, 110);
        cairo_curve_to(cr, 20, 40, 120, 18, 200, 40);
        cairo_curve_to(cr, 236, 52, 244, 90, 238, 112);
        cairo_line_to(cr, 230, 124);
        cairo_line_to(cr, 20, 124);
        cairo_close_path(cr);
        VerticalGradient(cr, 20, 124, 0xFF343A44, 0xFF111317);
        cairo_fill_preserve(cr);
        SetColour(cr, 0xFF3C434F);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        SetColour(cr, 0xFF0B0D10);
        FillRounded(cr, 120, 64, 36, 14, 5, 0xFF0E1013);
        FillRounded(cr, 160, 64, 36, 14, 5, 0xFF0E1013);
        SetColour(cr, WithAlpha(kAccent, 0x90));
        cairo_rectangle(cr, 24, 116, 200, 3);
        cairo_fill(cr);
    });
    for (int part = 1; part <= 7; ++part) {
        for (bool over : {false, true}) {
            std::string file = "ulmar/btn_" + std::to_string(part) + (over ? "_0" : "") + ".png";
            Save(file, kMouseW, kMouseH, [part, over](cairo_t* cr) {
                MousePartPath(cr, part);
                SetColour(cr, over ? WithAlpha(kAccent, 0x70) : 0x0AFFFFFF);
                cairo_fill_preserve(cr);
                SetColour(cr, over ? kAccentLight : 0x30FFFFFF);
                cairo_set_line_width(cr, over ? 2 : 1);
                cairo_stroke(cr);
            });
        }
    }
    // Frames behind the button labels: 112 × 20 with a lead dot on the right.
    for (int part = 1; part <= 6; ++part) {
        for (bool over : {false, true}) {
            std::string file =
                "ulmar/F-" + std::to_string(part) + (over ? "-over" : "-normal") + ".png";
            Save(file, 112, 20, [over](cairo_t* cr) {
                FillRounded(cr, 0.5, 0.5, 103, 19, 4, over ? WithAlpha(kAccent, 0x38) : kRaised);
                StrokeRounded(cr, 0.5, 0.5, 103, 19, 4, 1, over ? kAccent : kBorder);
                cairo_arc(cr, 108, 10, 3, 0, 2 * kPi);
                SetColour(cr, over ? kAccentLight : 0xFF5A6372);
                cairo_fill(cr);
            });
        }
    }
}

// White light shapes that the previews tint: mouse zones, pad strips, key lights.
void DrawLightShapes() {
    auto glow = [](cairo_t* cr, double w, double h, double r) {
        for (int i = 4; i >= 0; --i) {
            RoundedRect(cr, i, i, w - 2 * i, h - 2 * i, std::max(1.0, r - i));
            SetColour(cr, WithAlpha(0xFFFFFFFF,
                                    static_cast<std::uint8_t>(60 + i * -10 + 150 * (4 - i) / 4)));
            cairo_fill(cr);
        }
    };
    Save("ulmar/zone_v.png", 8, 18, [&glow](cairo_t* cr) { glow(cr, 8, 18, 4); });
    Save("ulmar/zone_h.png", 18, 8, [&glow](cairo_t* cr) { glow(cr, 18, 8, 4); });
    Save("ulmar/zone_dot.png", 14, 14, [&glow](cairo_t* cr) { glow(cr, 14, 14, 7); });
    Save("ulmar/pad_strip_h.png", 48, 8, [&glow](cairo_t* cr) { glow(cr, 48, 8, 4); });
    Save("ulmar/pad_strip_v.png", 8, 48, [&glow](cairo_t* cr) { glow(cr, 8, 48, 4); });
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
            RoundedRect(cr, 0, 0, 24, 24, 4);
            VerticalGradient(cr, 0, 24, cap.top, cap.bottom);
            cairo_fill(cr);
            StrokeRounded(cr, 0, 0, 24, 24, 4, 1, cap.border);
        });
    }
    Save("ulmar/keyboard_case.png", 40, 40, [](cairo_t* cr) {
        RoundedRect(cr, 0, 0, 40, 40, 12);
        VerticalGradient(cr, 0, 40, 0xFF1D2027, 0xFF121418);
        cairo_fill(cr);
        StrokeRounded(cr, 0, 0, 40, 40, 12, 1.5, 0xFF353B46);
        SetColour(cr, WithAlpha(kAccent, 0x80));
        cairo_rectangle(cr, 12, 38, 16, 1);
        cairo_fill(cr);
    });
    Save("ulmar/mousepad.png", 60, 60, [](cairo_t* cr) {
        RoundedRect(cr, 0, 0, 60, 60, 14);
        VerticalGradient(cr, 0, 60, 0xFF1E222A, 0xFF15181D);
        cairo_fill(cr);
        StrokeRounded(cr, 0, 0, 60, 60, 14, 2, 0xFF3A404B);
        StrokeRounded(cr, 8, 8, 44, 44, 8, 1, 0xFF262B33);
    });
}

void DrawAll() {
    DrawWindowBackground();
    DrawCycleSwatch();
    DrawButtonFaces();
    DrawComboFaces();
    DrawCaptionButtons();
    DrawTabs();
    DrawSliderParts();
    DrawChecks();
    DrawIcons();
    DrawLogo("common/logo.png", 28);
    DrawLogo("common/tray.png", 32);
    DrawLogo("common/tray_64.png", 64);
    DrawRateBars();
    DrawSpeedScales();
    DrawMousePictures();
    DrawLightShapes();
    DrawKeyboardParts();
}

}  // namespace
}  // namespace skin_images

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
        return 2;
    }
    try {
        skin_images::SetOutputRoot(argv[1]);
        skin_images::DrawAll();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kavrin_skin_images: %s\n", error.what());
        return 1;
    }
    return 0;
}
