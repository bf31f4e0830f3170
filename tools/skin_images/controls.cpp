// Controls: slider parts, check boxes and radio marks, and the performance page's scales.

#include <cmath>
#include <string>

#include "draw.h"
#include "images.h"

namespace skin_images {
namespace {

constexpr Argb kWell = 0xFF111419;
constexpr Argb kTrack = 0xFF0D0F13;
constexpr Argb kMarkBorder = 0xFF5A6372;

// Slider track (nine-patch), filled part and thumb.
void DrawSliderParts() {
    // 24 × 16 so the bar sits centred under the 16-pixel thumb; stretched with corner 4,0,4,0.
    Save("common/slider_track.png", 24, 16, [](cairo_t* cr) {
        FillRounded(cr, 0, 5, 24, 6, 3, kTrack);
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
            Circle(cr, 8, 8, 7);
            FillAndStroke(cr, 0xFFF4F6F8, thumb.ring, 3);
        });
    }
}

// Check boxes and radio marks, 16 × 16.
void DrawChecks() {
    struct Box {
        const char* name;
        Argb border;
    };
    const Box boxes[] = {{"common/check_off.png", kMarkBorder}, {"common/check_hot.png", kAccent}};
    for (const Box& box : boxes) {
        Save(box.name, 16, 16, [&box](cairo_t* cr) {
            FillRounded(cr, 1, 1, 14, 14, 3, kWell);
            StrokeRounded(cr, 1, 1, 14, 14, 3, 1.2, box.border);
        });
    }
    Save("common/check_on.png", 16, 16, [](cairo_t* cr) {
        FillRounded(cr, 1, 1, 14, 14, 3, kAccent);
        SetRoundPen(cr, 0xFFFFFFFF, 2);
        Polyline(cr, {{4.5, 8.5}, {7, 11}, {11.5, 5.5}});
        cairo_stroke(cr);
    });
    Save("common/radio_off.png", 16, 16, [](cairo_t* cr) {
        Circle(cr, 8, 8, 6.5);
        FillAndStroke(cr, kWell, kMarkBorder, 1.2);
    });
    Save("common/radio_on.png", 16, 16, [](cairo_t* cr) {
        Circle(cr, 8, 8, 6.5);
        FillAndStroke(cr, kWell, kAccent, 1.5);
        Circle(cr, 8, 8, 3.5);
        cairo_fill(cr);
    });
}

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
            FillRounded(cr, left - 3, 8, span + 6, 6, 3, kTrack);
            double filled = span * p / 10.0;
            FillRounded(cr, left - 3, 8, filled + 6, 6, 3, kAccent);
            for (int tick = 0; tick <= 10; ++tick) {
                double x = std::round(left + span * tick / 10.0);
                FillRect(cr, x, 17, 1, 4, tick <= p ? WithAlpha(kAccentLight, 0xC0) : 0xFF4A5260);
            }
        });
    }
}

}  // namespace

void DrawControls() {
    DrawSliderParts();
    DrawChecks();
    DrawRateBars();
    DrawSpeedScales();
}

}  // namespace skin_images
