#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "toolkit/core/paint_manager.h"
#include "toolkit/render/image_cache.h"
#include "toolkit/render/surface.h"

namespace toolkit::sdl {

// What a popup of the toolkit asks of the window system.
enum class WindowKind { kNormal, kOwned, kMenu };

// One toolkit window on the display: a borderless SDL window (we draw our own caption) and a
// back buffer the paint manager paints into. Only the damaged part of the back buffer is
// copied to the window surface and handed to the display. Geometry is in logical units;
// `scale` maps them to pixels.
class NativeWindow {
public:
    NativeWindow(CPaintManagerUI* manager, std::string title, WindowKind kind, double scale);
    ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Creates the SDL window at `rect` (hidden) unless it exists; false when SDL refuses.
    bool Realize(const Rect& rect, SDL_Window* modalFor);
    SDL_Window* Get() const { return window_; }
    Uint32 GetId() const { return window_ != nullptr ? SDL_GetWindowID(window_) : 0; }
    CPaintManagerUI* GetManager() const { return manager_; }
    WindowKind GetKind() const { return kind_; }

    void Move(const Rect& rect);
    // Paints the manager's invalid area (plus the caret) and shows it. Returns the pixels
    // handed to the display (empty when nothing was damaged).
    Rect Paint(render::ImageCache& images, CControlUI* caretOwner);
    // The display lost the window's pixels (expose): show the back buffer again.
    void Present();

private:
    void EnsureBackBuffer(Size pixels);
    void DrawCaret(Canvas& canvas, CControlUI& edit);

    CPaintManagerUI* manager_;
    std::string title_;
    WindowKind kind_;
    double scale_;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<render::Surface> backBuffer_;
};

}  // namespace toolkit::sdl
