#pragma once

#include <cairo.h>

#include <string>

#include "toolkit/render/cairo_support.h"
#include "toolkit/render/geometry.h"

namespace toolkit::render {

// A 32-bit ARGB pixel buffer that a CairoCanvas paints into and that can be saved as PNG.
class Surface {
public:
    Surface(int width, int height);

    int Width() const;
    int Height() const;
    // Straight (not premultiplied) 0xAARRGGBB; 0 outside the surface.
    Color PixelAt(int x, int y) const;
    void Clear(Color color);
    // False (with a debug line) when the file cannot be written.
    bool WriteToPng(const std::string& path) const;

    cairo_surface_t* Raw() const { return surface_.get(); }

private:
    SurfacePtr surface_;
};

}  // namespace toolkit::render
