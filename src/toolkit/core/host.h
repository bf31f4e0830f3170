#pragma once

#include <memory>
#include <string>

#include "toolkit/core/ui_types.h"

namespace toolkit {

class CPaintManagerUI;
class CTrayIcon;

// ShowWindow commands (the classic values).
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// The native side of the toolkit's windows: where each window is, whether it is shown, and
// how it reaches the screen. One host serves the whole process (headless, or a real display).
class IWindowHost {
public:
    virtual ~IWindowHost() = default;

    // A toolkit window came to life / is going away. `manager` may be null for a window
    // that paints nothing.
    virtual void AddWindow(HWND hwnd, CPaintManagerUI* manager, HWND owner,
                           const std::string& title) = 0;
    virtual void RemoveWindow(HWND hwnd) = 0;

    // Outer rectangle in screen coordinates; the client area has the same size.
    virtual Rect GetWindowRect(HWND hwnd) const = 0;
    virtual void SetWindowRect(HWND hwnd, const Rect& rect) = 0;
    virtual void ShowWindow(HWND hwnd, int command) = 0;
    virtual bool IsWindowVisible(HWND hwnd) const = 0;
    virtual bool IsIconic(HWND hwnd) const = 0;
    virtual bool IsZoomed(HWND hwnd) const = 0;
    virtual void SetTopMost(HWND hwnd, bool topMost) = 0;
    virtual bool IsTopMost(HWND hwnd) const = 0;
    // The window asked for repainting its invalid area.
    virtual void Paint(HWND hwnd) = 0;
    // A modal loop starts or ends for the window: while it runs, a host with real input keeps
    // the user's input from the process's other windows, as the desktop does for dialogs.
    virtual void SetModal(HWND /*hwnd*/, bool /*modal*/) {}
    // Shows a tooltip for the window near the pointer at `pointer` (screen coordinates),
    // replacing the one it shows; HideToolTip takes it away. Hosts without a screen may ignore
    // both. A tooltip also goes when its window is hidden or removed.
    virtual void ShowToolTip(HWND /*hwnd*/, const std::string& /*text*/, Point /*pointer*/) {}
    virtual void HideToolTip(HWND /*hwnd*/) {}

    // Work area of the screen and the pointer position, in screen coordinates.
    virtual Rect GetWorkArea() const = 0;
    virtual Point GetCursorPos() const = 0;

    virtual std::unique_ptr<CTrayIcon> CreateTrayIcon() = 0;
};

// The process's host; a headless host until another is installed.
IWindowHost& GetWindowHost();
// Installs a host (before any window is created); null restores the headless default.
void SetWindowHost(std::shared_ptr<IWindowHost> host);

}  // namespace toolkit
