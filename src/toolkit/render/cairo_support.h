#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

#include "toolkit/render/geometry.h"

namespace toolkit::render {

// Owning handles for the cairo and pango objects this library creates.
struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct CairoContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct CairoPatternDeleter {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, CairoContextDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoPatternDeleter>;
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionDeleter>;

inline void SetSourceColor(cairo_t* cr, Color color, double extra_opacity = 1.0) {
    cairo_set_source_rgba(cr, RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0,
                          AlphaOf(color) / 255.0 * extra_opacity);
}

}  // namespace toolkit::render
