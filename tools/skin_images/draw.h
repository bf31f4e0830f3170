#pragma once

// Small cairo helpers for drawing the skin's images: colours, rounded shapes, files.

#include <cairo.h>

#include <cstdint>
#include <functional>
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

void SetColour(cairo_t* cr, Argb colour);
Argb WithAlpha(Argb colour, std::uint8_t alpha);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRounded(cairo_t* cr, double x, double y, double w, double h, double r, Argb colour);
void StrokeRounded(cairo_t* cr, double x, double y, double w, double h, double r, double line,
                   Argb colour);
void VerticalGradient(cairo_t* cr, double y0, double y1, Argb top, Argb bottom);

// Folder all images are written under; set once by main.
void SetOutputRoot(std::string root);
// Draws one image of the given size and writes it to `relativePath` under the output root;
// throws std::runtime_error when the file cannot be written.
void Save(const std::string& relativePath, int width, int height,
          const std::function<void(cairo_t*)>& paint);

}  // namespace skin_images
