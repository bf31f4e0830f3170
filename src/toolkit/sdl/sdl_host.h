#pragma once

#include <SDL.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/core/headless_host.h"
#include "toolkit/core/host.h"
#include "toolkit/render/image_cache.h"
#include "toolkit/sdl/native_window.h"
#include "toolkit/sdl/sdl_tooltip_window.h"

namespace toolkit::sdl {

// The toolkit's windows on a real display through SDL2: one borderless native window per
// toolkit window, our own caption dragging, damage-only painting, mouse, keyboard, text input
// and clipboard, and the tray. Create it on the UI thread and install it with SetWindowHost
// before creating windows; InstallWaiter makes that thread's loop wait on SDL events.
class SdlHost final : public IWindowHost, public std::enable_shared_from_this<SdlHost> {
public:
    // Null (with one debug line) when SDL has no display to open.
    static std::shared_ptr<SdlHost> Create();
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    // The calling (UI) thread's loop sleeps in SDL from now on.
    void InstallWaiter();

    void AddWindow(HWND hwnd, CPaintManagerUI* manager, HWND owner,
                   const std::string& title) override;
    void RemoveWindow(HWND hwnd) override;
    Rect GetWindowRect(HWND hwnd) const override;
    void SetWindowRect(HWND hwnd, const Rect& rect) override;
    void ShowWindow(HWND hwnd, int command) override;
    bool IsWindowVisible(HWND hwnd) const override;
    bool IsIconic(HWND hwnd) const override;
    bool IsZoomed(HWND hwnd) const override;
    void SetTopMost(HWND hwnd, bool topMost) override;
    bool IsTopMost(HWND hwnd) const override;
    void Paint(HWND hwnd) override;
    void SetModal(HWND hwnd, bool modal) override;
    void ShowToolTip(HWND hwnd, const std::string& text, Point pointer) override;
    void HideToolTip(HWND hwnd) override;
    Rect GetWorkArea() const override;
    Point GetCursorPos() const override;
    std::unique_ptr<CTrayIcon> CreateTrayIcon() override;

    // Logical-to-pixel factor (display DPI / 96, or KAVRIN_SCALE).
    double GetScale() const { return scale_; }
    // The SDL window of a toolkit window (null while it has never been shown).
    SDL_Window* GetSdlWindow(HWND hwnd) const;
    // The tooltip window a toolkit window shows now, or null.
    const ToolTipWindow* GetToolTipWindow(HWND hwnd) const;
    // Events for SDL windows that are not toolkit windows (the tray icon).
    void SetForeignHandler(Uint32 windowId, std::function<void(const SDL_Event&)> handler);
    // A window that lives only to give SDL's wait a display connection to block on.
    SDL_Window* GetAnchorWindow() const { return anchor_; }

    // Turns one SDL event into toolkit input (called by the waiter; public for tests).
    void HandleEvent(const SDL_Event& event);

private:
    struct Window {
        HWND hwnd;
        HWND owner;
        std::unique_ptr<NativeWindow> native;
        std::unique_ptr<ToolTipWindow> toolTip;
    };
    struct Drag {
        HWND hwnd;
        Point grab;  // pointer minus window origin, logical
    };

    SdlHost(SDL_Window* anchor, double scale);
    Window* Find(HWND hwnd);
    const Window* Find(HWND hwnd) const;
    Window* FindBySdlId(Uint32 id);
    bool Realize(Window& window);
    // Makes the native window follow the bookkeeping (geometry, shown or not).
    void SyncNative(Window& window);
    void Activate(Window& window);
    void DropToolTip(Window& window);

    void OnWindowEvent(Window& window, const SDL_WindowEvent& event);
    void OnMouseButton(Window& window, const SDL_MouseButtonEvent& event);
    void OnMouseMotion(Window& window, const SDL_MouseMotionEvent& event);
    void OnKey(const SDL_KeyboardEvent& event);
    void OnText(const char* utf8);
    bool InCaption(Window& window, Point point) const;
    // Ends a caption drag of that window, if one runs.
    void EndDrag(HWND hwnd);
    void CloseMenusExcept(HWND keep);
    Window* KeyboardTarget();
    // False while a modal loop runs for another window (menus always take input).
    bool AcceptsInput(const Window& window) const;
    // Runs before every wait: starts or stops text input for the focused control.
    void SyncTextInput();
    Point ToLogical(int x, int y) const;

    SDL_Window* anchor_;
    double scale_;
    // Without a window manager nobody iconifies windows: minimised ones are unmapped instead.
    bool windowManager_;
    // Geometry and window states are kept exactly as without a display; the native windows
    // follow it.
    CHeadlessHost state_;
    std::thread::id uiThread_;
    bool waiterInstalled_ = false;
    bool checkMenus_ = false;
    std::map<HWND, Window> windows_;
    std::map<Uint32, std::function<void(const SDL_Event&)>> foreign_;
    HWND active_;
    std::optional<Drag> drag_;
    std::vector<HWND> modal_;  // innermost last
    bool textInputOn_ = true;  // SDL starts with text input on
    SDL_Rect textInputRect_{};
    render::ImageCache images_;
};

}  // namespace toolkit::sdl
