#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/render/geometry.h"
#include "toolkit/render/image_spec.h"

namespace toolkit::render {

// The colour changer's recolouring of an image or area: `color` (its alpha is ignored) laid over
// the covered pixels at `alpha`/255, keeping their shape.
struct ChangerTint {
    Color color = 0xFF000000;
    std::uint8_t alpha = 0;

    // From the lighting threads' green << 16 | blue << 8 | red packing.
    static constexpr ChangerTint FromPacked(std::uint32_t packed, std::uint8_t alpha) {
        return {ColorFromChangerPacked(packed), alpha};
    }
    friend constexpr bool operator==(const ChangerTint&, const ChangerTint&) = default;
};

enum class HAlign { kLeft, kCenter, kRight };
enum class VAlign { kTop, kCenter, kBottom };

struct TextStyle {
    std::string font_face;  // fontconfig family list; empty uses the default sans face
    int size = 12;          // pixel height of the font
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = 0xFF000000;
    HAlign h_align = HAlign::kLeft;
    VAlign v_align = VAlign::kCenter;
    bool single_line = true;    // otherwise wraps at word boundaries within the rectangle width
    bool end_ellipsis = false;  // cut text that does not fit with "…"

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Where controls paint. Coordinates are logical pixels of the window; angles are degrees
// clockwise from 3 o'clock (screen y grows downwards). Images missing from disk are skipped.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void FillRoundRect(const Rect& rect, int radius, Color color) = 0;
    // A frame `width` pixels thick inside `rect`.
    virtual void DrawBorder(const Rect& rect, int width, Color color, int radius = 0) = 0;
    // Pie and ellipse are inscribed in `rect`.
    virtual void FillPie(const Rect& rect, double start_deg, double sweep_deg, Color color) = 0;
    virtual void FillEllipse(const Rect& rect, Color color) = 0;
    virtual void DrawLine(Point from, Point to, int width, Color color) = 0;
    // Lays `color` at `alpha`/255 over whatever is already painted in `rect`.
    virtual void Tint(const Rect& rect, Color color, std::uint8_t alpha) = 0;

    void DrawImage(std::string_view image_string, const Rect& target) {
        DoDrawImage(ParseImageString(image_string), target, nullptr);
    }
    void DrawImage(std::string_view image_string, const Rect& target, const ChangerTint& tint) {
        DoDrawImage(ParseImageString(image_string), target, &tint);
    }
    void DrawImage(const ImageSpec& image, const Rect& target) {
        DoDrawImage(image, target, nullptr);
    }
    void DrawImage(const ImageSpec& image, const Rect& target, const ChangerTint& tint) {
        DoDrawImage(image, target, &tint);
    }

    virtual void DrawText(const Rect& rect, std::string_view utf8, const TextStyle& style) = 0;
    // Extent of the laid-out text; `max_width` > 0 wraps (multi-line styles) or cuts at it.
    virtual Size MeasureText(std::string_view utf8, const TextStyle& style, int max_width = 0) = 0;

    // Clips are nested: each one intersects the current clip until its PopClip.
    virtual void PushClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
    virtual Rect ClipBounds() const = 0;

protected:
    // `tint` is null when the changer is off.
    virtual void DoDrawImage(const ImageSpec& image, const Rect& target,
                             const ChangerTint* tint) = 0;
};

}  // namespace toolkit::render
