#include "toolkit/render/surface.h"

#include <cstring>

#include "platform/sys/debug_output.h"

namespace toolkit::render {

Surface::Surface(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

int Surface::Width() const {
    return cairo_image_surface_get_width(surface_.get());
}

int Surface::Height() const {
    return cairo_image_surface_get_height(surface_.get());
}

Color Surface::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
        return 0;
    }
    cairo_surface_flush(surface_.get());
    const unsigned char* row =
        cairo_image_surface_get_data(surface_.get()) +
        static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_.get());
    std::uint32_t premultiplied = 0;
    std::memcpy(&premultiplied, row + static_cast<size_t>(x) * 4, sizeof premultiplied);
    const std::uint8_t a = AlphaOf(premultiplied);
    if (a == 0) {
        return 0;
    }
    const auto unpremultiply = [a](std::uint8_t c) {
        return static_cast<std::uint8_t>((c * 255 + a / 2) / a);
    };
    return MakeColor(a, unpremultiply(RedOf(premultiplied)), unpremultiply(GreenOf(premultiplied)),
                     unpremultiply(BlueOf(premultiplied)));
}

void Surface::Clear(Color color) {
    ContextPtr cr(cairo_create(surface_.get()));
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    SetSourceColor(cr.get(), color);
    cairo_paint(cr.get());
}

bool Surface::WriteToPng(const std::string& path) const {
    const cairo_status_t status = cairo_surface_write_to_png(surface_.get(), path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        platform::sys::OutputDebugString("PNG write failed: " + path + ": " +
                                         cairo_status_to_string(status));
        return false;
    }
    return true;
}

}  // namespace toolkit::render
