#pragma once

#include <string_view>

#include "toolkit/render/cairo_support.h"
#include "toolkit/render/canvas.h"

namespace toolkit::render {

// Pango text layout bound to one cairo context, reused for every text of a paint.
class TextLayout {
public:
    explicit TextLayout(cairo_t* cr);

    void Draw(const Rect& rect, std::string_view utf8, const TextStyle& style);
    Size Measure(std::string_view utf8, const TextStyle& style, int max_width);

private:
    // Returns the logical extents in pixels of the prepared layout.
    PangoRectangle Prepare(std::string_view utf8, const TextStyle& style, int width, int height);

    cairo_t* cr_;
    LayoutPtr layout_;
};

}  // namespace toolkit::render
