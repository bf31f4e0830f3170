#pragma once

#include <vector>

#include "toolkit/render/cairo_support.h"
#include "toolkit/render/canvas.h"
#include "toolkit/render/image_cache.h"
#include "toolkit/render/surface.h"
#include "toolkit/render/text_layout.h"

namespace toolkit::render {

// Paints into a Surface with cairo. `scale` is the DPI factor: logical coordinates are
// multiplied by it, so a 2.0 canvas draws an 800-wide window into a 1600-pixel surface
// (a scale that is not a positive number counts as 1).
//
// Changer tint: the image is composed in its own group, then the tint colour at alpha/255 is
// laid over it with the ATOP operator, which keeps the image's own alpha: where the image is
// opaque the pixel becomes image × (1 − a) + colour × a; transparent pixels stay transparent.
// The group is then painted with the image's fade.
class CairoCanvas final : public Canvas {
public:
    CairoCanvas(Surface& surface, ImageCache& images, double scale = 1.0);

    void FillRect(const Rect& rect, Color color) override;
    void FillRoundRect(const Rect& rect, int radius, Color color) override;
    void DrawBorder(const Rect& rect, int width, Color color, int radius = 0) override;
    void FillPie(const Rect& rect, double start_deg, double sweep_deg, Color color) override;
    void FillEllipse(const Rect& rect, Color color) override;
    void DrawLine(Point from, Point to, int width, Color color) override;
    void Tint(const Rect& rect, Color color, std::uint8_t alpha) override;
    void DrawText(const Rect& rect, std::string_view utf8, const TextStyle& style) override;
    Size MeasureText(std::string_view utf8, const TextStyle& style, int max_width = 0) override;
    void PushClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipBounds() const override;

protected:
    void DoDrawImage(const ImageSpec& image, const Rect& target, const ChangerTint* tint) override;

private:
    void FillPath(Color color);
    void DrawPiece(cairo_surface_t* image, const Rect& source, const Rect& dest, bool xtiled,
                   bool ytiled);

    ContextPtr cr_;
    ImageCache& images_;
    TextLayout text_;
    std::vector<Rect> clips_;  // the surface bounds first, then each pushed clip
};

}  // namespace toolkit::render
