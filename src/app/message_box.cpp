#include "app/message_box.h"

#include <string>

#include "app/language_ids.h"
#include "platform/msg/timer.h"
#include "platform/msg/window.h"
#include "ui/windows/msg_wnd.h"

namespace app {
namespace {

constexpr uint32_t kMessageStyle = 0x82000000;  // pop-up, clip children
constexpr uint32_t kMessageExStyle = 0x80;      // tool window
constexpr uint32_t kAutoCloseMs = 500;

// Shows the box; `beforeModal` runs on the created window before its loop starts.
template <typename BeforeModal>
toolkit::UINT RunMessageWindow(toolkit::HWND owner, std::string_view text, bool textIsKey,
                               BeforeModal beforeModal) {
    auto* window = new ui::CMsgWnd();
    if (!window->Create(owner, "msgwnd", kMessageStyle, kMessageExStyle)) {
        return 0;  // its final message has deleted it
    }
    window->CenterWindow();
    if (!text.empty()) {
        if (toolkit::CControlUI* label = window->FindControl("MessageText")) {
            label->SetResourceText(textIsKey);
            label->SetText(std::string(text));
        }
    }
    beforeModal(*window);
    const toolkit::HWND hwnd = window->GetHWND();
    const toolkit::UINT result = window->ShowModal();
    // The loop also ends when the program quits under the box: the box goes with it.
    if (platform::msg::IsWindow(hwnd)) {
        platform::msg::DestroyWindow(hwnd);
    }
    return result;
}

bool noDeviceBoxOpen = false;  // UI thread only

}  // namespace

toolkit::UINT ShowMessageBox(toolkit::HWND owner, std::string_view text, bool textIsKey) {
    return RunMessageWindow(owner, text, textIsKey, [](ui::CMsgWnd&) {});
}

toolkit::UINT ShowNoDeviceNotice(toolkit::HWND owner) {
    return RunMessageWindow(owner, text::kDeviceRemoved, true, [](ui::CMsgWnd& window) {
        platform::msg::SetTimer(window.GetHWND(), ui::kMessageAutoCloseTimer, kAutoCloseMs);
    });
}

bool ShowNoDeviceMessage(toolkit::HWND owner) {
    if (noDeviceBoxOpen) {
        return false;
    }
    noDeviceBoxOpen = true;
    ShowMessageBox(owner, text::kNoDevice);
    noDeviceBoxOpen = false;
    return true;
}

}  // namespace app
