#include "draw.h"

#include <filesystem>
#include <numbers>
#include <stdexcept>

namespace skin_images {

namespace {
std::string outputRoot;

// One 8-bit channel of an Argb colour as cairo's 0 … 1.
double Channel(Argb colour, int shift) {
    return ((colour >> shift) & 0xFF) / 255.0;
}
}  // namespace

void SetColour(cairo_t* cr, Argb colour) {
    cairo_set_source_rgba(cr, Channel(colour, 16), Channel(colour, 8), Channel(colour, 0),
                          Channel(colour, 24));
}

Argb WithAlpha(Argb colour, std::uint8_t alpha) {
    return (colour & 0x00FFFFFF) | (static_cast<Argb>(alpha) << 24);
}

void AddColourStop(cairo_pattern_t* pattern, double offset, Argb colour) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, Channel(colour, 16), Channel(colour, 8),
                                      Channel(colour, 0), Channel(colour, 24));
}

void SetRoundPen(cairo_t* cr, Argb colour, double width) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

void Polyline(cairo_t* cr, std::initializer_list<Point> points) {
    const Point* first = points.begin();
    cairo_move_to(cr, first->x, first->y);
    for (const Point* p = first + 1; p != points.end(); ++p) {
        cairo_line_to(cr, p->x, p->y);
    }
}

void Polygon(cairo_t* cr, std::initializer_list<Point> points) {
    Polyline(cr, points);
    cairo_close_path(cr);
}

void Cross(cairo_t* cr, double left, double top, double right, double bottom) {
    Polyline(cr, {{left, top}, {right, bottom}});
    Polyline(cr, {{right, top}, {left, bottom}});
}

void Circle(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * std::numbers::pi);
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

void FillRoundedGradient(cairo_t* cr, double x, double y, double w, double h, double r, Argb top,
                         Argb bottom) {
    RoundedRect(cr, x, y, w, h, r);
    VerticalGradient(cr, y, y + h, top, bottom);
    cairo_fill(cr);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Argb colour) {
    SetColour(cr, colour);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void FillAndStroke(cairo_t* cr, Argb fill, Argb line, double width) {
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Argb top, Argb bottom) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    AddColourStop(pattern, 0, top);
    AddColourStop(pattern, 1, bottom);
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
