#include "ui/windows/msg_wnd.h"

#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "toolkit/core/text_util.h"

namespace ui {

namespace m = platform::msg;

void CMsgWnd::InitWindow() {
    closeButton_ = FindControl("closebtn");
}

void CMsgWnd::OnClick(toolkit::TNotifyUI& msg) {
    if (msg.sender == nullptr) {
        return;
    }
    const std::string name = toolkit::ToLower(msg.sender->GetName());
    if (msg.sender == closeButton_ || name == "cancel_btn") {
        Close(0);
    } else if (name == "confirm_btn") {
        Close(1);
    }
}

toolkit::LRESULT CMsgWnd::HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                              toolkit::LPARAM, bool& handled) {
    handled = message == m::WM_TIMER;
    if (handled) {
        OnTimer(wParam);
    }
    return 0;
}

void CMsgWnd::OnTimer(m::UINT_PTR id) {
    if (id != kMessageAutoCloseTimer) {
        return;
    }
    ++ticks_;
    if (ticks_ > 0) {
        m::KillTimer(GetHWND(), kMessageAutoCloseTimer);
        Close(0);
    }
}

void CMsgWnd::OnFinalMessage(toolkit::HWND) {
    delete this;
}

}  // namespace ui
