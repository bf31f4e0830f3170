#include "toolkit/core/tray_icon.h"

#include "platform/msg/post.h"

namespace toolkit {

bool CHeadlessTrayIcon::CreateTrayIcon(HWND hwnd, UINT iconId, std::string tip, UINT message) {
    hwnd_ = hwnd;
    iconId_ = iconId;
    tip_ = std::move(tip);
    message_ = message != 0 ? message : kTrayMessage;
    shown_ = true;
    return true;
}

bool CHeadlessTrayIcon::Click(UINT mouseMessage) const {
    return shown_ && platform::msg::PostMessage(hwnd_, message_, iconId_, mouseMessage);
}

}  // namespace toolkit
