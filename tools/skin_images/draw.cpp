#include "draw.h"

#include <filesystem>
#include <numbers>
#include <stdexcept>

namespace skin_images {

namespace {
std::string outputRoot;
}

void SetColour(cairo_t* cr, Argb colour) {
    cairo_set_source_rgba(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                          (colour & 0xFF) / 255.0, ((colour >> 24) & 0xFF) / 255.0);
}

Argb WithAlpha(Argb colour, std::uint8_t alpha) {
    return (colour & 0x00FFFFFF) | (static_cast<Argb>(alpha) << 24);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    constexpr double kQuarter = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kQuarter, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kQuarter);
    cairo_arc(cr, x + r, y + h - r, r, kQuarter, 2 * kQuarter);
    cairo_arc(cr, x + r, y + r, r, 2 * kQuarter, 3 * kQuarter);
    cairo_close_path(cr);
}

void FillRounded(cairo_t* cr, double x, double y, double w, double h, double r, Argb colour) {
    RoundedRect(cr, x, y, w, h, r);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void StrokeRounded(cairo_t* cr, double x, double y, double w, double h, double r, double line,
                   Argb colour) {
    double half = line / 2;
    RoundedRect(cr, x + half, y + half, w - line, h - line, r);
    SetColour(cr, colour);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Argb top, Argb bottom) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    auto stop = [pattern](double at, Argb c) {
        cairo_pattern_add_color_stop_rgba(pattern, at, ((c >> 16) & 0xFF) / 255.0,
                                          ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                                          ((c >> 24) & 0xFF) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void SetOutputRoot(std::string root) {
    outputRoot = std::move(root);
}

void Save(const std::string& relativePath, int width, int height,
          const std::function<void(cairo_t*)>& paint) {
    std::filesystem::path path = std::filesystem::path(outputRoot) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    paint(cr);
    cairo_destroy(cr);
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace skin_images
