#include "ui/controls/wnd.h"

#include "platform/msg/window.h"
#include "toolkit/core/host.h"
#include "toolkit/core/paint_manager.h"

namespace ui {
namespace {

class HostPlacement final : public HostedWindowPlacement {
public:
    bool IsWindow(toolkit::HWND window) const override { return platform::msg::IsWindow(window); }
    bool IsChild(toolkit::HWND /*parent*/, toolkit::HWND /*window*/) const override {
        return false;
    }
    toolkit::Point ScreenOrigin(toolkit::HWND window) const override {
        return toolkit::GetWindowHost().GetWindowRect(window).TopLeft();
    }
    void Place(toolkit::HWND window, const toolkit::Rect& rect, bool show) override {
        toolkit::IWindowHost& host = toolkit::GetWindowHost();
        host.SetWindowRect(window, rect);
        host.ShowWindow(window, show ? toolkit::SW_SHOWNOACTIVATE : toolkit::SW_HIDE);
    }
};

HostedWindowPlacement& HostWindowPlacement() {
    static HostPlacement placement;
    return placement;
}

}  // namespace

std::unique_ptr<toolkit::CControlUI> CWndUI::CreateControl() {
    return std::make_unique<CWndUI>();
}

void CWndUI::Attach(toolkit::HWND window, HostedWindowPlacement* placement) {
    hosted_ = window;
    placement_ = placement != nullptr ? placement : &HostWindowPlacement();
    PlaceHostedWindow();
}

void CWndUI::SetPos(const toolkit::Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    PlaceHostedWindow();
}

void CWndUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    PlaceHostedWindow();
}

void CWndUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    PlaceHostedWindow();
}

void CWndUI::PlaceHostedWindow() {
    if (placement_ == nullptr || GetManager() == nullptr || !placement_->IsWindow(hosted_)) {
        return;
    }
    toolkit::Rect rect = GetPos();
    const toolkit::HWND paintWindow = GetManager()->GetPaintWindow();
    if (!placement_->IsChild(paintWindow, hosted_)) {
        const toolkit::Point origin = placement_->ScreenOrigin(paintWindow);
        rect = rect.Offset(origin.x, origin.y);
    }
    placement_->Place(hosted_, rect, IsVisible());
}

}  // namespace ui
