#include "ui/windows/about_window.h"

#include "toolkit/core/host.h"
#include "ui/windows/shell_open.h"

namespace ui {

namespace {

constexpr uint32_t kAboutStyle = 0x96c80000;
constexpr uint32_t kAboutExStyle = 0x100;
constexpr int kAboutWidth = 800;
constexpr int kAboutHeight = 572;
// Result of a close through the window's own close button.
constexpr toolkit::UINT kClosedByButton = 2;

}  // namespace

toolkit::Point AboutWindowPosition(const toolkit::Rect& mainWindow) {
    return {2 * mainWindow.left, mainWindow.bottom / 2 - 80};
}

Ccopyright* Ccopyright::Open(toolkit::HWND mainWindow) {
    auto* about = new Ccopyright();
    if (!about->Create(mainWindow, "关于", kAboutStyle, kAboutExStyle, 0, 0, kAboutWidth,
                       kAboutHeight)) {
        return nullptr;  // its final message has deleted it
    }
    toolkit::Rect own = about->GetWindowRect();
    toolkit::Point at = AboutWindowPosition(toolkit::GetWindowHost().GetWindowRect(mainWindow));
    about->MoveWindow(toolkit::Rect::FromSize(at.x, at.y, own.Width(), own.Height()));
    about->ShowWindow(true);
    return about;
}

void Ccopyright::InitWindow() {
    netText_ = FindControl("NetText");
}

void Ccopyright::Notify(toolkit::TNotifyUI& msg) {
    if (msg.type != toolkit::notify::kClick || msg.sender == nullptr) {
        return;
    }
    if (msg.sender->GetName() == "closebtn") {
        Close(kClosedByButton);
    } else if (msg.sender == netText_) {
        ShellOpen(kMakerWebSite);
    }
}

void Ccopyright::OnFinalMessage(toolkit::HWND) {
    delete this;
}

}  // namespace ui
