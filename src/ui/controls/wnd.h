#pragma once

#include <memory>
#include <string_view>

#include "toolkit/core/control.h"

namespace ui {

// What a CWndUI needs to move the window it hosts; the host that owns such windows provides
// it (and tests provide a fake).
class HostedWindowPlacement {
public:
    virtual ~HostedWindowPlacement() = default;
    virtual bool IsWindow(toolkit::HWND window) const = 0;
    virtual bool IsChild(toolkit::HWND parent, toolkit::HWND window) const = 0;
    // Screen position of the window's client area.
    virtual toolkit::Point ScreenOrigin(toolkit::HWND window) const = 0;
    // Moves without activating it or changing its z-order, then shows or hides it.
    virtual void Place(toolkit::HWND window, const toolkit::Rect& rect, bool show) = 0;
};

// Keeps a hosted window over the control's rectangle, shown while the control is visible.
// Without a hosted window it is an empty control.
class CWndUI : public toolkit::CControlUI {
public:
    static constexpr std::string_view kClassName = "Wnd";
    static std::unique_ptr<toolkit::CControlUI> CreateControl();

    std::string_view GetClass() const override { return kClassName; }

    // Null `placement` uses the window host, whose windows are all top-level (placed in screen
    // coordinates). A given one must outlive the control or be replaced by another Attach.
    void Attach(toolkit::HWND window, HostedWindowPlacement* placement = nullptr);
    toolkit::HWND GetHostedWindow() const { return hosted_; }

    void SetPos(const toolkit::Rect& rect, bool needInvalidate = true) override;
    void SetVisible(bool visible) override;
    void SetInternVisible(bool visible) override;

private:
    void PlaceHostedWindow();

    toolkit::HWND hosted_;
    HostedWindowPlacement* placement_ = nullptr;
};

}  // namespace ui
