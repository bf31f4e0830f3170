#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/background_threads.h"
#include "app/device_hub.h"
#include "device/device_link.h"
#include "toolkit/core/menu_cmd.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/core/window.h"
#include "ui/windows/skin_change.h"

namespace app {

// Timers of the main window.
namespace timer {
inline constexpr toolkit::WPARAM kHideProgress = 1;
inline constexpr toolkit::WPARAM kWriteOut = 2;  // 100 ms: dirty parameter blocks to the devices
inline constexpr toolkit::WPARAM kKeyboardRead = 5;
inline constexpr toolkit::WPARAM kRepaintOnce = 7;
inline constexpr toolkit::WPARAM kMouseRead = 8;
inline constexpr toolkit::WPARAM kRepaint = 10;
inline constexpr toolkit::WPARAM kStartKeyboardRead = 11;
inline constexpr toolkit::WPARAM kStartPadRead = 12;
}  // namespace timer

// Window messages of the main window besides the system's.
namespace message {
inline constexpr toolkit::UINT kLastDeviceGone = 3077;
inline constexpr toolkit::UINT kPadZoneColour = 2563;
inline constexpr toolkit::UINT kPadZoneAlpha = 2564;
inline constexpr toolkit::UINT kShowProgress = 3072;
inline constexpr toolkit::UINT kHideProgressLater = 3073;
}  // namespace message

inline constexpr std::string_view kProgramTitle = "KAVRIN ZR417";
inline constexpr int kMainWidth = 800;
inline constexpr int kMainHeight = 572;
inline constexpr uint32_t kMainStyle = 0x96CA0000;

struct MainWindowOptions {
    std::span<const ThreadSpec> threads = ProgramThreads();
    uint32_t stopLimitMs = kStopLimitMs;
    // Called once, on the UI thread, after the start-up reads have run and the window has been
    // repainted since (screenshots).
    std::function<void()> onStartupPainted;
};

// The notification pump of the virtual window "mainpage": its notifications need nothing.
class CMainPage : public toolkit::CNotifyPump {};

// The program's one top-level window: owner of the device links, the tray icon and the
// background threads, and the router of every notification, window message and timer.
class CMainWnd final : public toolkit::WindowImplBase, public ui::SkinChangeReceiver {
public:
    explicit CMainWnd(MainWindowOptions options = {});
    ~CMainWnd() override;

    std::string GetWindowClassName() const override { return "MainWnd"; }
    std::string GetSkinFile() const override { return "XML_MAIN"; }
    void InitWindow() override;
    void Notify(toolkit::TNotifyUI& msg) override;
    std::unique_ptr<toolkit::CControlUI> CreateControl(std::string_view className) override;
    std::optional<std::string> QueryControlText(std::string_view id,
                                                std::string_view type) override;
    // A skin change: the background of "root" becomes the new colour or image.
    int Receive(ui::SkinChangedParam param) override;

    void OnTimer(toolkit::WPARAM id);
    // A second start or a presence monitor asks the window to show itself.
    void OnActivationRequest();
    // Signals every stop event and waits for the threads (at most the stop limit).
    StopOutcome StopThreads();

    device::DeviceLink& KeyboardLink() { return keyboard_; }
    device::DeviceLink& MouseLink() { return mouse_; }
    device::DeviceLink& PadLink() { return pad_; }
    device::DeviceLink& SecondMouseLink() { return secondMouse_; }
    DeviceMirror& Devices() { return devices_.Devices(); }
    toolkit::CTrayIcon* GetTrayIcon() const { return trayIcon_.get(); }
    std::optional<StopOutcome> GetLastStopOutcome() const { return lastStop_; }

protected:
    toolkit::LRESULT HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                         toolkit::LPARAM lParam, bool& handled) override;
    toolkit::LRESULT OnDestroy(toolkit::UINT message, toolkit::WPARAM wParam,
                               toolkit::LPARAM lParam, bool& handled) override;

private:
    // Start-up sequence on "windowinit" (main_window_startup.cpp).
    void OnWindowInit();
    void ApplyStoredBackground();
    void AssignLinkIdentities();

    // Notifications (main_window_notify.cpp).
    bool OnCaptionClick(const toolkit::CControlUI& sender);
    void RouteClick(const toolkit::CControlUI& sender);
    void RouteFocus(const toolkit::CControlUI& sender);
    void ToggleHelpPanel();
    void CollapseHelpPanel();
    void HideHelpPanelIfVisible();
    void OpenMakerSite();
    void RunUpdater();
    void ShowProfilePanel();
    void HideProfilePanel();
    void HideFunctionSpeedTab();
    void OpenSkinChooser();

    // Window messages (main_window_messages.cpp).
    void OnTrayEvent(toolkit::LPARAM mouseMessage);
    void ShowTrayMenu();
    void OnMenuCommand(const toolkit::MenuCmd& command);
    void OnLastDeviceGone();
    void OnDpiChanged(toolkit::WPARAM wParam, toolkit::LPARAM lParam);
    void SetPadZone(toolkit::UINT message, toolkit::WPARAM zone, toolkit::LPARAM value);
    bool AnyDeviceConnected() const;
    void BringToFront();
    void Repaint();
    void SetControlVisible(std::string_view name, bool visible);

    MainWindowOptions options_;
    toolkit::CControlUI* closeButton_ = nullptr;
    toolkit::CControlUI* maxButton_ = nullptr;
    toolkit::CControlUI* restoreButton_ = nullptr;
    toolkit::CControlUI* minButton_ = nullptr;
    toolkit::CControlUI* skinButton_ = nullptr;
    toolkit::HWND trayMenu_;
    std::unique_ptr<toolkit::CTrayIcon> trayIcon_;
    BackgroundThreads threads_;
    std::array<toolkit::CControlUI*, 20> mouseZones_{};
    std::array<toolkit::CControlUI*, 15> padZones_{};
    std::array<toolkit::CControlUI*, 126> keyboardKeys_{};
    CMainPage mainPage_;
    device::DeviceLink keyboard_;
    device::DeviceLink mouse_;
    device::DeviceLink pad_;
    device::DeviceLink secondMouse_;
    DeviceHub devices_{*this, {keyboard_, mouse_, pad_, secondMouse_}};
    int helpFlag_ = 1;
    bool keyboardStartReadDone_ = false;
    bool padStartReadDone_ = false;
    bool startupPaintedReported_ = false;
    std::optional<StopOutcome> lastStop_;
};

}  // namespace app
