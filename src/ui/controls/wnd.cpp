#include "ui/controls/wnd.h"

#include "toolkit/core/paint_manager.h"

namespace ui {

std::unique_ptr<toolkit::CControlUI> CWndUI::CreateControl() {
    return std::make_unique<CWndUI>();
}

void CWndUI::Attach(toolkit::HWND window, HostedWindowPlacement* placement) {
    hosted_ = window;
    placement_ = placement;
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
