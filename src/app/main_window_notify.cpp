// Routing of the main window's notifications to their handlers.
#include <string>

#include "app/control_names.h"
#include "app/main_window.h"
#include "platform/fs/known_folders.h"
#include "platform/msg/messages.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/text_util.h"
#include "ui/windows/shell_open.h"
#include "ui/windows/skin_frame.h"

namespace app {

namespace m = platform::msg;
namespace names = controls;

namespace {

using Action = void (CMainWnd::*)();

struct Route {
    std::string_view sender;
    Action action;
};

const toolkit::Rect kHelpPanelOpen{800, 20, 951, 105};
const toolkit::Rect kHelpPanelClosed{800, 20, 800, 20};
const toolkit::Rect kProfilePanelRect{0, 0, 264, 600};
constexpr const char* kUpdaterName = "Update_ms.exe";
constexpr const char* kUpdaterParameters = "NULL";

bool Is(const toolkit::CControlUI& sender, std::string_view name) {
    return toolkit::EqualsNoCase(sender.GetName(), name);
}

// Every route whose sender matches runs, in table order.
void RunRoutes(CMainWnd& window, std::span<const Route> routes, const toolkit::CControlUI& sender) {
    for (const Route& route : routes) {
        if (Is(sender, route.sender)) {
            (window.*route.action)();
        }
    }
}

}  // namespace

void CMainWnd::Notify(toolkit::TNotifyUI& msg) {
    platform::sys::OutputDebugString(msg.type + " " +
                                     (msg.sender != nullptr ? msg.sender->GetName() : ""));
    if (msg.type == toolkit::notify::kWindowInit) {
        OnWindowInit();
    } else if (msg.sender != nullptr && msg.type == toolkit::notify::kClick) {
        if (OnCaptionClick(*msg.sender)) {
            return;
        }
        RouteClick(*msg.sender);
    } else if (msg.sender != nullptr && msg.type == toolkit::notify::kSetFocus) {
        RouteFocus(*msg.sender);
    } else if (msg.sender != nullptr && msg.type == toolkit::notify::kItemSelect) {
        devices_.OnItemSelect(*msg.sender);
    }
    devices_.OnPageNotify(msg);
    WindowImplBase::Notify(msg);
}

bool CMainWnd::OnCaptionClick(const toolkit::CControlUI& sender) {
    // The close button only minimises: the program ends through the tray menu.
    if (Is(sender, names::caption::kClose) || Is(sender, names::caption::kMinimize)) {
        SendMessage(m::WM_SYSCOMMAND, m::SC_MINIMIZE);
        return true;
    }
    if (Is(sender, names::caption::kMaximize)) {
        SendMessage(m::WM_SYSCOMMAND, m::SC_MAXIMIZE);
        return true;
    }
    if (Is(sender, names::caption::kRestore)) {
        SendMessage(m::WM_SYSCOMMAND, m::SC_RESTORE);
        return true;
    }
    if (Is(sender, names::caption::kSkin)) {
        OpenSkinChooser();
    }
    return false;
}

void CMainWnd::RouteClick(const toolkit::CControlUI& sender) {
    static constexpr Route kClicks[] = {
        {names::help::kButton, &CMainWnd::ToggleHelpPanel},
        {names::help::kWebsite, &CMainWnd::CollapseHelpPanel},
        {names::help::kRestore, &CMainWnd::OpenMakerSite},
        {names::help::kUpdate, &CMainWnd::RunUpdater},
        {names::mouse_profiles::kOpenButton, &CMainWnd::ShowProfilePanel},
        {names::mouse_profiles::kCloseButton, &CMainWnd::HideProfilePanel},
    };
    RunRoutes(*this, kClicks, sender);
    for (const names::mouse_panels::Toggle& toggle : names::mouse_panels::kToggles) {
        if (Is(sender, toggle.button)) {
            if (toolkit::CControlUI* panel = FindControl(toggle.panel)) {
                panel->SetVisible(!panel->IsVisible());
            }
        }
    }
}

void CMainWnd::RouteFocus(const toolkit::CControlUI& sender) {
    static constexpr Route kFocus[] = {
        {names::mouse_profiles::kOpenButton, &CMainWnd::ShowProfilePanel},
        {names::mouse_profiles::kCloseLabel, &CMainWnd::HideProfilePanel},
        {names::help::kMouseMap, &CMainWnd::HideHelpPanelIfVisible},
        {names::device_tabs::kMouseLightPage, &CMainWnd::HideFunctionSpeedTab},
        {names::device_tabs::kMouseKeyPage, &CMainWnd::HideFunctionSpeedTab},
        {names::device_tabs::kMousePerformancePage, &CMainWnd::HideFunctionSpeedTab},
        {names::device_tabs::kMouseMacroPage, &CMainWnd::HideFunctionSpeedTab},
        {names::device_tabs::kMouseCursorPage, &CMainWnd::HideFunctionSpeedTab},
    };
    RunRoutes(*this, kFocus, sender);
}

void CMainWnd::ToggleHelpPanel() {
    toolkit::CControlUI* panel = FindControl(names::help::kPanel);
    if (panel == nullptr) {
        return;
    }
    panel->SetVisible(true);
    panel->SetPos(helpFlag_ == 1 ? kHelpPanelOpen : kHelpPanelClosed);
    helpFlag_ = helpFlag_ == 1 ? 0 : 1;
}

void CMainWnd::CollapseHelpPanel() {
    if (toolkit::CControlUI* panel = FindControl(names::help::kPanel)) {
        panel->SetPos(kHelpPanelClosed);
    }
    helpFlag_ = 1;
}

void CMainWnd::HideHelpPanelIfVisible() {
    toolkit::CControlUI* panel = FindControl(names::help::kPanel);
    if (panel != nullptr && panel->IsVisible()) {
        panel->SetVisible(false);
    }
}

void CMainWnd::OpenMakerSite() {
    ui::ShellOpen(ui::kMakerWebSite);
    CollapseHelpPanel();
}

void CMainWnd::RunUpdater() {
    const std::string folder = platform::fs::ProgramFolder();
    ui::ShellOpen(folder + kUpdaterName, kUpdaterParameters, folder);
    CollapseHelpPanel();
}

void CMainWnd::ShowProfilePanel() {
    if (toolkit::CControlUI* panel = FindControl(names::mouse_profiles::kPanel)) {
        panel->SetVisible(true);
        panel->SetPos(kProfilePanelRect);
    }
}

void CMainWnd::HideProfilePanel() {
    SetControlVisible(names::mouse_profiles::kPanel, false);
}

void CMainWnd::HideFunctionSpeedTab() {
    SetControlVisible(names::device_tabs::kFunctionSpeedTab, false);
}

void CMainWnd::OpenSkinChooser() {
    ui::CSkinFrame::Open(GetHWND(), skinButton_);
}

void CMainWnd::SetControlVisible(std::string_view name, bool visible) {
    if (toolkit::CControlUI* control = FindControl(name)) {
        control->SetVisible(visible);
    }
}

}  // namespace app
