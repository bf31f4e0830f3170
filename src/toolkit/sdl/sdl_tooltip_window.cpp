#include "toolkit/sdl/sdl_tooltip_window.h"

#include <algorithm>

#include "platform/sys/debug_output.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/sdl/window_pixels.h"
#include "toolkit/sdl/x11_display.h"

namespace toolkit::sdl {

using render::Point;
using render::Rect;
using render::Size;

namespace {

// One axis of the placement: after the pointer, else before it, then inside [low, high).
int PlaceAlong(int pointer, int length, int low, int high) {
    int start = pointer + kToolTipOffset;
    if (start + length > high) {
        start = pointer - kToolTipOffset - length;
    }
    return std::max(low, std::min(start, high - length));
}

render::TextStyle ToolTipTextStyle(render::TextStyle font) {
    font.color = kToolTipText;
    font.h_align = render::HAlign::kLeft;
    font.v_align = render::VAlign::kTop;
    font.single_line = false;
    font.end_ellipsis = false;
    return font;
}

}  // namespace

Rect PlaceToolTip(Size size, Point pointer, const Rect& workArea) {
    return Rect::FromSize(PlaceAlong(pointer.x, size.cx, workArea.left, workArea.right),
                          PlaceAlong(pointer.y, size.cy, workArea.top, workArea.bottom), size.cx,
                          size.cy);
}

ToolTipWindow::~ToolTipWindow() {
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
}

bool ToolTipWindow::Show(const std::string& text, const render::TextStyle& font, Point pointer,
                         const Rect& workArea, render::ImageCache& images) {
    const render::TextStyle style = ToolTipTextStyle(font);
    Size textSize;
    {
        render::Surface scratch(1, 1);
        render::CairoCanvas measure(scratch, images, scale_);
        textSize = measure.MeasureText(text, style, kToolTipWrapWidth);
    }
    const Size size{textSize.cx + 2 * kToolTipPadding, textSize.cy + 2 * kToolTipPadding};
    if (!Place(PlaceToolTip(size, pointer, workArea))) {
        return false;
    }
    const Rect all = Rect::FromSize(0, 0, size.cx, size.cy);
    const SDL_Rect pixels = ToPixels(all, scale_);
    pixels_ = std::make_unique<render::Surface>(pixels.w, pixels.h);
    {
        render::CairoCanvas canvas(*pixels_, images, scale_);
        canvas.FillRect(all, kToolTipBackground);
        canvas.DrawBorder(all, 1, kToolTipBorder);
        canvas.DrawText(all.Deflate(kToolTipPadding), text, style);
    }
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) == 0 && !MapWithoutFocus(window_)) {
        SDL_ShowWindow(window_);
    }
    CopyToWindow(window_, *pixels_, pixels);
    return true;
}

bool ToolTipWindow::Place(const Rect& rect) {
    const SDL_Rect pixels = ToPixels(rect, scale_);
    const int width = std::max(1, pixels.w);
    const int height = std::max(1, pixels.h);
    if (window_ == nullptr) {
        window_ = SDL_CreateWindow("tooltip", pixels.x, pixels.y, width, height,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_TOOLTIP | SDL_WINDOW_BORDERLESS |
                                       SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP);
        if (window_ == nullptr) {
            platform::sys::OutputDebugString(std::string("tooltip window not created: ") +
                                             SDL_GetError());
            return false;
        }
    } else if (rect != rect_) {
        SDL_SetWindowSize(window_, width, height);
        SDL_SetWindowPosition(window_, pixels.x, pixels.y);
    }
    rect_ = rect;
    return true;
}

void ToolTipWindow::Present() {
    if (window_ != nullptr && SDL_GetWindowSurface(window_) != nullptr) {
        SDL_UpdateWindowSurface(window_);
    }
}

}  // namespace toolkit::sdl
