#pragma once

// Small cairo helpers for drawing the skin's images: colours, rounded shapes, files.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

namespace skin_images {

// 0xAARRGGBB.
using Argb = std::uint32_t;

inline constexpr Argb kAccent = 0xFF0199CB;
inline constexpr Argb kAccentLight = 0xFF35C3F0;
inline constexpr Argb kBackground = 0xFF14171C;
inline constexpr Argb kPanel = 0xFF1C2027;
inline constexpr Argb kRaised = 0xFF262B34;
inline constexpr Argb kRaisedHot = 0xFF2F3540;
inline constexpr Argb kBorder = 0xFF353B46;
inline constexpr Argb kText = 0xFFE6E9EE;
inline constexpr Argb kTextDim = 0xFF8A94A3;
inline constexpr Argb kDanger = 0xFFE0474C;

struct Point {
    double x;
    double y;
};

void SetColour(cairo_t* cr, Argb colour);
Argb WithAlpha(Argb colour, std::uint8_t alpha);
void AddColourStop(cairo_pattern_t* pattern, double offset, Argb colour);
// Colour, width and round caps for the thin line glyphs.
void SetRoundPen(cairo_t* cr, Argb colour, double width);

// Path pieces; the caller fills or strokes them, so several pieces can share one stroke.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// An open path through the points (at least one), started as a new sub-path at the first.
void Polyline(cairo_t* cr, std::initializer_list<Point> points);
// A polyline closed back to its first point.
void Polygon(cairo_t* cr, std::initializer_list<Point> points);
// An X from the two diagonals of the box.
void Cross(cairo_t* cr, double left, double top, double right, double bottom);
void Circle(cairo_t* cr, double x, double y, double r);

void FillRounded(cairo_t* cr, double x, double y, double w, double h, double r, Argb colour);
void StrokeRounded(cairo_t* cr, double x, double y, double w, double h, double r, double line,
                   Argb colour);
// A rounded rectangle shaded from `top` at its upper edge to `bottom` at its lower edge.
void FillRoundedGradient(cairo_t* cr, double x, double y, double w, double h, double r, Argb top,
                         Argb bottom);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Argb colour);
// Fills the current path and strokes its outline on top.
void FillAndStroke(cairo_t* cr, Argb fill, Argb line, double width);
void VerticalGradient(cairo_t* cr, double y0, double y1, Argb top, Argb bottom);

// Folder all images are written under; set once by main.
void SetOutputRoot(std::string root);
// Draws one image of the given size and writes it to `relativePath` under the output root;
// throws std::runtime_error when the file cannot be written.
void Save(const std::string& relativePath, int width, int height,
          const std::function<void(cairo_t*)>& paint);

}  // namespace skin_images
