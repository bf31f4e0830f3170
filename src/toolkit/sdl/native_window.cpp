#include "toolkit/sdl/native_window.h"

#include <algorithm>

#include "platform/sys/debug_output.h"
#include "toolkit/core/label.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/sdl/window_pixels.h"

namespace toolkit::sdl {

namespace {

constexpr Color kBackground = 0xFFFFFFFF;
constexpr int kCaretWidth = 1;

}  // namespace

NativeWindow::NativeWindow(CPaintManagerUI* manager, std::string title, WindowKind kind,
                           double scale)
    : manager_(manager), title_(std::move(title)), kind_(kind), scale_(scale) {}

NativeWindow::~NativeWindow() {
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
}

bool NativeWindow::Realize(const Rect& rect, SDL_Window* modalFor) {
    if (window_ != nullptr) {
        return true;
    }
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (kind_ == WindowKind::kMenu) {
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    }
    window_ =
        SDL_CreateWindow(title_.c_str(), ToPixels(rect.left, scale_), ToPixels(rect.top, scale_),
                         std::max(1, ToPixels(rect.Width(), scale_)),
                         std::max(1, ToPixels(rect.Height(), scale_)), flags);
    if (window_ == nullptr) {
        platform::sys::OutputDebugString(std::string("SDL window not created: ") + SDL_GetError());
        return false;
    }
    if (modalFor != nullptr && kind_ == WindowKind::kOwned) {
        // Keeps an owned window above its owner (transient-for).
        SDL_SetWindowModalFor(window_, modalFor);
    }
    return true;
}

void NativeWindow::Move(const Rect& rect) {
    if (window_ == nullptr) {
        return;
    }
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &width, &height);
    int newWidth = std::max(1, ToPixels(rect.Width(), scale_));
    int newHeight = std::max(1, ToPixels(rect.Height(), scale_));
    if (newWidth != width || newHeight != height) {
        SDL_SetWindowSize(window_, newWidth, newHeight);
    }
    int newX = ToPixels(rect.left, scale_);
    int newY = ToPixels(rect.top, scale_);
    if (newX != x || newY != y) {
        SDL_SetWindowPosition(window_, newX, newY);
    }
}

void NativeWindow::EnsureBackBuffer(Size pixels) {
    if (backBuffer_ != nullptr && backBuffer_->Width() == pixels.cx &&
        backBuffer_->Height() == pixels.cy) {
        return;
    }
    backBuffer_ = std::make_unique<render::Surface>(pixels.cx, pixels.cy);
    backBuffer_->Clear(kBackground);
    manager_->Invalidate();  // a new buffer holds nothing yet
}

Rect NativeWindow::Paint(render::ImageCache& images, CControlUI* caretOwner) {
    if (window_ == nullptr || manager_ == nullptr) {
        return {};
    }
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (screen == nullptr) {
        manager_->Validate();
        return {};
    }
    EnsureBackBuffer({screen->w, screen->h});
    manager_->UpdateLayout();
    Size client = manager_->GetClientSize();
    Rect dirty = manager_->GetInvalidRect().Intersect(Rect::FromSize(0, 0, client.cx, client.cy));
    if (dirty.IsEmpty()) {
        manager_->Validate();
        return {};
    }
    {
        render::CairoCanvas canvas(*backBuffer_, images, scale_);
        canvas.PushClip(dirty);
        canvas.FillRect(dirty, kBackground);
        manager_->Paint(canvas, &dirty);
        if (caretOwner != nullptr && caretOwner->GetPos().Intersects(dirty)) {
            DrawCaret(canvas, *caretOwner);
        }
        canvas.PopClip();
    }
    SDL_Rect shown = CopyToWindow(window_, *backBuffer_, ToPixels(dirty, scale_));
    return Rect::FromSize(shown.x, shown.y, shown.w, shown.h);
}

void NativeWindow::Present() {
    if (window_ != nullptr && SDL_GetWindowSurface(window_) != nullptr) {
        SDL_UpdateWindowSurface(window_);
    }
}

void NativeWindow::DrawCaret(Canvas& canvas, CControlUI& edit) {
    auto* label = dynamic_cast<CLabelUI*>(&edit);
    if (label == nullptr) {
        return;
    }
    const Rect& pos = edit.GetPos();
    const Rect& padding = label->GetTextPadding();
    render::TextStyle style = manager_->GetFont(label->GetFont());
    int textWidth = canvas.MeasureText(edit.GetText(), style).cx;
    int x = std::min(pos.left + padding.left + textWidth, pos.right - padding.right - kCaretWidth);
    int height = std::min(style.size + 4, pos.Height() - 4);
    int top = pos.top + (pos.Height() - height) / 2;
    canvas.FillRect(Rect::FromSize(x, top, kCaretWidth, height),
                    label->GetTextColor() | 0xFF000000);
}

}  // namespace toolkit::sdl
