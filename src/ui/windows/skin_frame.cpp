#include "ui/windows/skin_frame.h"

#include "platform/msg/messages.h"
#include "platform/msg/window.h"
#include "toolkit/core/dialog_builder.h"
#include "toolkit/core/host.h"

namespace ui {

namespace m = platform::msg;

namespace {

constexpr uint32_t kFrameStyle = 0x90000000;   // pop-up, visible
constexpr uint32_t kFrameExStyle = 0x8000088;  // no activation, tool window, top-most

}  // namespace

CSkinFrame* CSkinFrame::Open(toolkit::HWND mainWindow, toolkit::CControlUI* skinButton) {
    auto* frame = new CSkinFrame(mainWindow, skinButton);
    if (!frame->Create(toolkit::HWND(), "", kFrameStyle, kFrameExStyle)) {
        return nullptr;  // its final message has deleted it
    }
    return frame;
}

toolkit::LRESULT CSkinFrame::OnCreate() {
    pm_.Init(GetHWND(), GetWindowClassName());
    toolkit::CDialogBuilder builder;
    std::unique_ptr<toolkit::CControlUI> root = builder.Create("skin.xml", {}, nullptr, &pm_);
    if (root == nullptr) {
        return -1;
    }
    pm_.AttachDialog(std::move(root));
    pm_.AddNotifier(this);
    // Under the skin button, right-aligned with it, in screen coordinates.
    toolkit::Size size = pm_.GetInitSize();
    toolkit::Point at;
    if (skinButton_ != nullptr) {
        toolkit::Rect main = toolkit::GetWindowHost().GetWindowRect(mainWindow_);
        const toolkit::Rect& button = skinButton_->GetPos();
        at = {main.left + button.right - size.cx, main.top + button.bottom};
    }
    MoveWindow(toolkit::Rect::FromSize(at.x, at.y, size.cx, size.cy));
    pm_.SetClientSize(size);
    return 0;
}

toolkit::LRESULT CSkinFrame::HandleMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                           toolkit::LPARAM lParam) {
    switch (message) {
        case m::WM_CREATE:
            return OnCreate();
        case m::WM_KILLFOCUS:
            Close();
            return 0;
        case m::WM_SIZE:
            pm_.SetClientSize(
                {static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF)});
            return 0;
        case m::WM_PAINT:
            toolkit::GetWindowHost().Paint(GetHWND());
            return 0;
        default:
            break;
    }
    toolkit::LRESULT result = 0;
    if (pm_.MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

void CSkinFrame::Notify(toolkit::TNotifyUI&) {
    // The skins' entries announce nothing yet: a choice leaves the skin as it is.
}

void CSkinFrame::OnFinalMessage(toolkit::HWND) {
    delete this;
}

}  // namespace ui
