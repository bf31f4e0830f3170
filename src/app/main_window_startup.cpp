// The start-up sequence of the main window and its answer to activation requests.
#include "app/control_names.h"
#include "app/language_settings.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "platform/fs/profile_string.h"
#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "toolkit/core/host.h"

namespace app {

namespace m = platform::msg;

namespace {

constexpr uint32_t kPauseBeforeRegistryMs = 100;
constexpr uint32_t kFrontPauseMs = 10;

struct StartTimer {
    toolkit::WPARAM id;
    uint32_t periodMs;
};
constexpr StartTimer kStartTimers[] = {{timer::kWriteOut, 100},
                                       {timer::kRepaint, 100},
                                       {timer::kStartKeyboardRead, 500},
                                       {timer::kStartPadRead, 500}};

}  // namespace

void CMainWnd::OnWindowInit() {
    ApplyStoredBackground();
    devices_.InitProfileLists();
    AssignLinkIdentities();
    platform::sys::Sleep(kPauseBeforeRegistryMs);
    SyncLanguageFromRegistry();
    // Shown again when a presence monitor finds a device.
    ShowWindow(false);
    threads_.Start(GetHWND(), options_.threads);
    for (const StartTimer& start : kStartTimers) {
        m::SetTimer(GetHWND(), start.id, start.periodMs);
    }
    LoadLanguage(ReadLanguageSetting());
}

void CMainWnd::ApplyStoredBackground() {
    const std::string ini = MainIniPath();
    if (platform::fs::GetPrivateProfileInt(kSkinImageSection, kFlagsKey, 0, ini) != 1) {
        return;
    }
    if (toolkit::CControlUI* root = FindControl(controls::main_window::kRoot)) {
        root->SetBkColor(0);
        root->SetBkImage(platform::fs::GetProfileString(kSkinImageSection, kImageKey, "0", ini));
    }
}

void CMainWnd::AssignLinkIdentities() {
    device::AssignIdentity(keyboard_, device::kKeyboardIdentity);
    device::AssignIdentity(mouse_, device::kMouseIdentity);
    device::AssignIdentity(pad_, device::kPadIdentity);
    device::AssignIdentity(secondMouse_, device::kSecondMouseIdentity);
}

bool CMainWnd::AnyDeviceConnected() const {
    return keyboard_.connected || mouse_.connected || pad_.connected;
}

// Comes to the front without staying on top.
void CMainWnd::BringToFront() {
    toolkit::IWindowHost& host = toolkit::GetWindowHost();
    host.SetTopMost(GetHWND(), true);
    platform::sys::Sleep(kFrontPauseMs);
    host.SetTopMost(GetHWND(), false);
}

void CMainWnd::OnActivationRequest() {
    if (AnyDeviceConnected()) {
        SendMessage(m::WM_SYSCOMMAND, m::SC_RESTORE);
        BringToFront();
        return;
    }
    ShowWindow(false);
    ShowNoDeviceMessage(GetHWND());
}

}  // namespace app
