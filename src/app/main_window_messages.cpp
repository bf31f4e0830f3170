// Window messages, timers, the tray icon and its menu.
#include <cstdio>

#include "app/control_names.h"
#include "app/language_settings.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/process_state.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/host.h"
#include "toolkit/core/menu_wnd.h"
#include "ui/windows/about_window.h"

namespace app {

namespace m = platform::msg;
namespace names = controls;

namespace {

constexpr toolkit::LPARAM kTrayLeftButtonUp = m::WM_LBUTTONUP;
constexpr toolkit::LPARAM kTrayRightButtonUp = m::WM_RBUTTONUP;
constexpr int kTrayMenuLift = 50;
constexpr int kTrayMenuAlignment = toolkit::kMenuAlignLeft | toolkit::kMenuAlignTop;
constexpr uint32_t kRestoreRepaintMs = 10;
constexpr uint32_t kRepaintPeriodMs = 50;
constexpr uint32_t kProgressHideMs = 1000;

// Messages of the input hook that announce themselves in the diagnostics.
struct HookMessage {
    toolkit::UINT message;
    const char* name;
};
constexpr HookMessage kHookMessages[] = {
    {2049, "WM_HOOK_KEY_SINGLEKEY"}, {2050, "WM_HOOK_KEY_KBHITKEY"}, {2051, "WM_HOOK_KEY_MACRO"},
    {2064, "WM_HOOK_MOU_SINGLEKEY"}, {2065, "WM_HOOK_MOU_HitKEY"},   {2066, "WM_HOOK_MOU_MACRO"},
};

}  // namespace

toolkit::LRESULT CMainWnd::HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                               toolkit::LPARAM lParam, bool& handled) {
    handled = false;
    if (message == ActivationMessage() && message != 0) {
        char line[96];
        std::snprintf(line, sizeof line, "软件标示 %u，%llxd%llxd", message,
                      static_cast<unsigned long long>(wParam),
                      static_cast<unsigned long long>(lParam));
        platform::sys::OutputDebugString(line);
        OnActivationRequest();
        return 0;
    }
    devices_.OnMessage(message);
    for (const HookMessage& hook : kHookMessages) {
        if (message == hook.message) {
            platform::sys::OutputDebugString(hook.name);
        }
    }
    switch (message) {
        case m::WM_DESTROY:
            platform::sys::OutputDebugString("退出测试");
            if (MainWindowHandle() == GetHWND()) {
                SetMainWindowHandle(toolkit::HWND());
            }
            StopThreads();
            m::PostQuitMessage(0);
            handled = true;
            break;
        case m::WM_TIMER:
            OnTimer(wParam);  // the toolkit sees the message too
            break;
        case m::WM_DPICHANGED:
            OnDpiChanged(wParam, lParam);
            break;
        case toolkit::kTrayMessage:
            OnTrayEvent(lParam);
            break;
        case toolkit::kMenuCommandMessage:
            OnMenuCommand(*toolkit::TakeMenuCmd(lParam));
            handled = true;
            break;
        case message::kLastDeviceGone:
            OnLastDeviceGone();
            break;
        case message::kPadZoneColour:
        case message::kPadZoneAlpha:
            SetPadZone(message, wParam, lParam);
            break;
        case message::kShowProgress:
            SetControlVisible(names::main_window::kSettingProgress, true);
            break;
        case message::kHideProgressLater:
            m::SetTimer(GetHWND(), timer::kHideProgress, kProgressHideMs);
            break;
        default:
            break;
    }
    return 0;
}

void CMainWnd::OnTimer(toolkit::WPARAM id) {
    switch (id) {
        case timer::kHideProgress:
            m::KillTimer(GetHWND(), id);
            SetControlVisible(names::main_window::kSettingProgress, false);
            break;
        case timer::kKeyboardRead:
        case timer::kMouseRead:
            m::KillTimer(GetHWND(), id);
            break;
        case timer::kRepaintOnce:
            Repaint();
            m::KillTimer(GetHWND(), id);
            platform::sys::OutputDebugString("1234567890");
            break;
        case timer::kRepaint:
            m::KillTimer(GetHWND(), id);
            Repaint();
            m::SetTimer(GetHWND(), id, kRepaintPeriodMs);
            if (keyboardStartReadDone_ && padStartReadDone_ && !startupPaintedReported_ &&
                options_.onStartupPainted) {
                startupPaintedReported_ = true;
                // Behind the paint message the repaint has just queued.
                m::PostTask(GetHWND(), options_.onStartupPainted);
            }
            break;
        case timer::kStartKeyboardRead:
            m::KillTimer(GetHWND(), id);
            keyboardStartReadDone_ = true;
            break;
        case timer::kStartPadRead:
            m::KillTimer(GetHWND(), id);
            padStartReadDone_ = true;
            break;
        default:
            break;
    }
    // After the one-shot timers above are stopped, so a slow read cannot see them again.
    devices_.OnTimer(id);
}

void CMainWnd::Repaint() {
    pm_.Invalidate();
}

void CMainWnd::OnTrayEvent(toolkit::LPARAM mouseMessage) {
    if (mouseMessage == kTrayRightButtonUp) {
        ShowTrayMenu();
        return;
    }
    if (mouseMessage != kTrayLeftButtonUp) {
        return;
    }
    if (!AnyDeviceConnected()) {
        ShowWindow(false);
        ShowNoDeviceMessage(GetHWND());
        return;
    }
    toolkit::IWindowHost& host = toolkit::GetWindowHost();
    const bool shown = host.IsWindowVisible(GetHWND()) != host.IsIconic(GetHWND());
    if (shown) {
        ShowWindow(false);
        return;
    }
    ShowWindow(true);
    SendMessage(m::WM_SYSCOMMAND, m::SC_RESTORE);
    BringToFront();
    Repaint();
    m::SetTimer(GetHWND(), timer::kRepaintOnce, kRestoreRepaintMs);
}

void CMainWnd::ShowTrayMenu() {
    toolkit::Point at = toolkit::GetWindowHost().GetCursorPos();
    at.y -= kTrayMenuLift;
    auto* menu = new toolkit::CMenuWnd();
    if (!menu->Init(std::string(names::skin::kTrayMenu), at, &pm_, kTrayMenuAlignment)) {
        trayMenu_ = toolkit::HWND();
        return;  // the menu has deleted itself
    }
    trayMenu_ = menu->GetHWND();
    toolkit::CMenuUI* list = menu->GetMenuUI();
    if (list == nullptr) {
        return;
    }
    auto exit = std::make_unique<toolkit::CMenuElementUI>();
    exit->SetName(std::string(names::tray_menu::kExit));
    const int language = ReadLanguageSetting();
    exit->SetText(language == kLanguageEnglish   ? "Close"
                  : language == kLanguageChinese ? "关闭"
                                                 : "");
    list->AddAt(std::move(exit), 0);
    menu->ResizeMenu();
}

void CMainWnd::OnMenuCommand(const toolkit::MenuCmd& command) {
    const std::string& item = command.name;
    if (item == names::tray_menu::kEnglish || item == names::tray_menu::kChinese) {
        ChooseLanguage(item == names::tray_menu::kEnglish ? kLanguageEnglish : kLanguageChinese);
        Repaint();
    } else if (item == names::tray_menu::kAbout) {
        ui::Ccopyright::Open(GetHWND());
    } else if (item == names::tray_menu::kExit) {
        Close();
    } else if (item != names::tray_menu::kTorvane && item != names::tray_menu::kImport &&
               item != names::tray_menu::kExport) {
        ShowMessageBox(GetHWND(), command.text);
    }
}

void CMainWnd::OnLastDeviceGone() {
    if (toolkit::CControlUI* tab = FindControl(names::device_tabs::kMouseLightPage)) {
        tab->SetFocus();
    }
    ShowNoDeviceNotice(GetHWND());
    ShowWindow(false);
}

void CMainWnd::OnDpiChanged(toolkit::WPARAM wParam, toolkit::LPARAM lParam) {
    SetDPI(static_cast<int>(wParam & 0xFFFF));
    ResetDPIAssets();
    if (const auto* suggested = reinterpret_cast<const toolkit::Rect*>(lParam)) {
        MoveWindow(*suggested);
    }
    NeedUpdate();
}

void CMainWnd::SetPadZone(toolkit::UINT message, toolkit::WPARAM zone, toolkit::LPARAM value) {
    // The zone number comes from outside the window: never an index past the array.
    if (zone >= padZones_.size() || padZones_[zone] == nullptr) {
        return;
    }
    if (message == message::kPadZoneColour) {
        padZones_[zone]->SetChangerColor(static_cast<uint32_t>(value));
    } else {
        padZones_[zone]->SetChangerAlpha(static_cast<int>(value));
    }
}

}  // namespace app
