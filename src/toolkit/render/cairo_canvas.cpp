#include "toolkit/render/cairo_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/render/nine_patch.h"

namespace toolkit::render {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

void AddRect(cairo_t* cr, const Rect& rect) {
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
}

void AddRoundRect(cairo_t* cr, const Rect& rect, int radius) {
    const double r = std::min({double(radius), rect.Width() / 2.0, rect.Height() / 2.0});
    if (r <= 0) {
        AddRect(cr, rect);
        return;
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, rect.right - r, rect.top + r, r, -90 * kDegree, 0);
    cairo_arc(cr, rect.right - r, rect.bottom - r, r, 0, 90 * kDegree);
    cairo_arc(cr, rect.left + r, rect.bottom - r, r, 90 * kDegree, 180 * kDegree);
    cairo_arc(cr, rect.left + r, rect.top + r, r, 180 * kDegree, 270 * kDegree);
    cairo_close_path(cr);
}

}  // namespace

CairoCanvas::CairoCanvas(Surface& surface, ImageCache& images, double scale)
    : cr_(cairo_create(surface.Raw())), images_(images), text_(cr_.get()) {
    if (!(scale > 0) || !std::isfinite(scale)) {
        scale = 1.0;  // a broken DPI value must not break painting
    }
    cairo_scale(cr_.get(), scale, scale);
    clips_.push_back({0, 0, static_cast<int>(std::ceil(surface.Width() / scale)),
                      static_cast<int>(std::ceil(surface.Height() / scale))});
}

void CairoCanvas::FillPath(Color color) {
    SetSourceColor(cr_.get(), color);
    cairo_fill(cr_.get());
}

void CairoCanvas::FillRect(const Rect& rect, Color color) {
    if (rect.IsEmpty()) {
        return;
    }
    AddRect(cr_.get(), rect);
    FillPath(color);
}

void CairoCanvas::FillRoundRect(const Rect& rect, int radius, Color color) {
    if (rect.IsEmpty()) {
        return;
    }
    AddRoundRect(cr_.get(), rect, radius);
    FillPath(color);
}

void CairoCanvas::DrawBorder(const Rect& rect, int width, Color color, int radius) {
    if (rect.IsEmpty() || width <= 0) {
        return;
    }
    cairo_t* cr = cr_.get();
    AddRoundRect(cr, rect, radius);
    const Rect inner = rect.Deflate(width);
    if (!inner.IsEmpty()) {
        AddRoundRect(cr, inner, std::max(radius - width, 0));
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillPath(color);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void CairoCanvas::FillPie(const Rect& rect, double start_deg, double sweep_deg, Color color) {
    // A NaN or infinite angle would put the cairo context into an error state for the rest of
    // the paint.
    if (rect.IsEmpty() || sweep_deg == 0 || !std::isfinite(start_deg) ||
        !std::isfinite(sweep_deg)) {
        return;
    }
    cairo_t* cr = cr_.get();
    cairo_save(cr);
    cairo_translate(cr, (rect.left + rect.right) / 2.0, (rect.top + rect.bottom) / 2.0);
    cairo_scale(cr, rect.Width() / 2.0, rect.Height() / 2.0);
    if (std::abs(sweep_deg) >= 360) {
        cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    } else {
        cairo_move_to(cr, 0, 0);
        const double start = start_deg * kDegree;
        const double end = (start_deg + sweep_deg) * kDegree;
        if (sweep_deg > 0) {
            cairo_arc(cr, 0, 0, 1, start, end);
        } else {
            cairo_arc_negative(cr, 0, 0, 1, start, end);
        }
        cairo_close_path(cr);
    }
    cairo_restore(cr);
    FillPath(color);
}

void CairoCanvas::FillEllipse(const Rect& rect, Color color) {
    FillPie(rect, 0, 360, color);
}

void CairoCanvas::DrawLine(Point from, Point to, int width, Color color) {
    if (width <= 0) {
        return;
    }
    cairo_t* cr = cr_.get();
    // Odd widths sit on pixel centres so a 1-pixel line stays sharp.
    const double shift = width % 2 ? 0.5 : 0.0;
    cairo_move_to(cr, from.x + shift, from.y + shift);
    cairo_line_to(cr, to.x + shift, to.y + shift);
    cairo_set_line_width(cr, width);
    SetSourceColor(cr, color);
    cairo_stroke(cr);
}

void CairoCanvas::Tint(const Rect& rect, Color color, std::uint8_t alpha) {
    FillRect(rect, WithAlpha(color, alpha));
}

void CairoCanvas::DrawText(const Rect& rect, std::string_view utf8, const TextStyle& style) {
    text_.Draw(rect, utf8, style);
}

Size CairoCanvas::MeasureText(std::string_view utf8, const TextStyle& style, int max_width) {
    return text_.Measure(utf8, style, max_width);
}

void CairoCanvas::PushClip(const Rect& rect) {
    cairo_save(cr_.get());
    AddRect(cr_.get(), rect);
    cairo_clip(cr_.get());
    clips_.push_back(clips_.back().Intersect(rect));
}

void CairoCanvas::PopClip() {
    if (clips_.size() > 1) {
        clips_.pop_back();
        cairo_restore(cr_.get());
    }
}

Rect CairoCanvas::ClipBounds() const {
    return clips_.back();
}

void CairoCanvas::DrawPiece(cairo_surface_t* image, const Rect& source, const Rect& dest,
                            bool xtiled, bool ytiled) {
    cairo_t* cr = cr_.get();
    const SurfacePtr piece(cairo_surface_create_for_rectangle(image, source.left, source.top,
                                                              source.Width(), source.Height()));
    const PatternPtr pattern(cairo_pattern_create_for_surface(piece.get()));
    const double sx = xtiled ? 1.0 : double(dest.Width()) / source.Width();
    const double sy = ytiled ? 1.0 : double(dest.Height()) / source.Height();
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, 1 / sx, 1 / sy);
    cairo_matrix_translate(&matrix, -dest.left, -dest.top);
    cairo_pattern_set_matrix(pattern.get(), &matrix);
    // Padding keeps stretched edges from blending with the transparent outside of the piece.
    cairo_pattern_set_extend(pattern.get(),
                             xtiled || ytiled ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_PAD);
    cairo_set_source(cr, pattern.get());
    AddRect(cr, dest);
    cairo_fill(cr);
}

void CairoCanvas::DoDrawImage(const ImageSpec& image, const Rect& target, const ChangerTint* tint) {
    const std::shared_ptr<cairo_surface_t> surface = images_.Get(image.file, image.mask);
    if (!surface || target.IsEmpty()) {
        return;
    }
    const Rect bounds{0, 0, cairo_image_surface_get_width(surface.get()),
                      cairo_image_surface_get_height(surface.get())};
    const Rect source = image.source ? image.source->Intersect(bounds) : bounds;
    const Rect dest =
        image.dest ? image.dest->Offset(target.left, target.top).Intersect(target) : target;
    if (source.IsEmpty() || dest.IsEmpty()) {
        return;
    }
    cairo_t* cr = cr_.get();
    const bool grouped = tint || image.fade < 255;
    if (grouped) {
        // The group only needs to cover the image, not the whole clip.
        cairo_save(cr);
        AddRect(cr, dest);
        cairo_clip(cr);
        cairo_push_group(cr);
    }
    const NinePatch patch = SplitNinePatch(source, dest, image.corner, image.hole);
    for (int i = 0; i < patch.count; ++i) {
        const ImagePiece& piece = patch.pieces[static_cast<size_t>(i)];
        DrawPiece(surface.get(), piece.source, piece.dest, image.xtiled, image.ytiled);
    }
    if (grouped) {
        if (tint && tint->alpha > 0) {
            cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
            SetSourceColor(cr, WithAlpha(tint->color, tint->alpha));
            cairo_paint(cr);
        }
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, image.fade / 255.0);
        cairo_restore(cr);
    }
}

}  // namespace toolkit::render
