#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "toolkit/render/canvas.h"
#include "toolkit/render/image_cache.h"
#include "toolkit/render/surface.h"

namespace toolkit::sdl {

// Tooltip look, in logical pixels.
inline constexpr render::Color kToolTipBackground = 0xFF20242C;
inline constexpr render::Color kToolTipBorder = 0xFF3A404B;
inline constexpr render::Color kToolTipText = 0xFFE6E9EE;
inline constexpr int kToolTipPadding = 6;
inline constexpr int kToolTipWrapWidth = 320;
// How far below and right of the pointer a tooltip's corner sits.
inline constexpr int kToolTipOffset = 16;

// Where a tooltip of `size` goes for the pointer at `pointer`: offset below-right of it; where
// the work area ends it goes to the other side of the pointer (never under it, where it would
// take the pointer from its window), then it is kept inside the work area.
render::Rect PlaceToolTip(render::Size size, render::Point pointer, const render::Rect& workArea);

// A tooltip on the display: a small borderless window that never takes the focus, showing a
// text wrapped in the tooltip colours. Geometry is in logical units; `scale` maps them to pixels.
class ToolTipWindow {
public:
    explicit ToolTipWindow(double scale) : scale_(scale) {}
    ~ToolTipWindow();
    ToolTipWindow(const ToolTipWindow&) = delete;
    ToolTipWindow& operator=(const ToolTipWindow&) = delete;

    // Lays out the text in `font` and shows it for the pointer (again: changes it in place).
    // False when SDL refuses the window.
    bool Show(const std::string& text, const render::TextStyle& font, render::Point pointer,
              const render::Rect& workArea, render::ImageCache& images);
    // The display lost the pixels (expose): shows them again.
    void Present();
    SDL_Window* Get() const { return window_; }
    // Where the window is, in logical units.
    const render::Rect& GetRect() const { return rect_; }

private:
    bool Place(const render::Rect& rect);

    double scale_;
    SDL_Window* window_ = nullptr;
    render::Rect rect_;
    std::unique_ptr<render::Surface> pixels_;
};

}  // namespace toolkit::sdl
