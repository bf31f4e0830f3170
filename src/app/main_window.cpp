#include "app/main_window.h"

#include "app/control_names.h"
#include "app/language_settings.h"
#include "app/process_state.h"
#include "platform/msg/message_loop.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/color_palette.h"
#include "toolkit/core/host.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/text_util.h"
#include "ui/controls/circle_progress.h"
#include "ui/controls/device_key_button.h"

namespace app {

namespace {

constexpr std::string_view kMainPageName = "mainpage";
constexpr toolkit::UINT kTrayIconResource = 107;
constexpr toolkit::Color kPaletteStartColour = 0xFF0199CB;
constexpr std::string_view kPalettes[] = {"ms_deng_Color_Pallet", "mp_deng_Color_Pallet",
                                          "kb_deng_Color_Pallet"};

template <size_t N>
void FindFamily(const toolkit::CPaintManagerUI& pm, const controls::NameRange& range,
                std::array<toolkit::CControlUI*, N>& found) {
    for (size_t i = 0; i < N; ++i) {
        found[i] = pm.FindControl(controls::NumberedName(range, static_cast<int>(i)));
    }
}

// Preview zones are tinted by the lighting threads; they start untinted.
template <size_t N>
void PrepareZones(const std::array<toolkit::CControlUI*, N>& zones) {
    for (toolkit::CControlUI* zone : zones) {
        if (zone != nullptr) {
            zone->SetIsChangerColor(true);
            zone->SetChangerAlpha(0);
        }
    }
}

}  // namespace

CMainWnd::CMainWnd(MainWindowOptions options) : options_(std::move(options)) {
    AddVirtualWnd(std::string(kMainPageName), &mainPage_);
}

CMainWnd::~CMainWnd() {
    toolkit::CMenuWnd::DestroyMenu();
    RemoveVirtualWnd(kMainPageName);
    toolkit::CResourceManager& resources = toolkit::CResourceManager::GetInstance();
    if (resources.GetTextQueryInterface() == this) {
        resources.SetTextQueryInterface(nullptr);
    }
}

void CMainWnd::InitWindow() {
    platform::sys::OutputDebugString("InitWindow");
    toolkit::CResourceManager::GetInstance().SetTextQueryInterface(this);
    toolkit::CResourceManager::GetInstance().LoadLanguage(LanguageFileOf(kLanguageChinese).file);
    ui::GetSkinChangeObserver().AddReceiver(this);

    closeButton_ = FindControl(controls::caption::kClose);
    maxButton_ = FindControl(controls::caption::kMaximize);
    restoreButton_ = FindControl(controls::caption::kRestore);
    minButton_ = FindControl(controls::caption::kMinimize);
    skinButton_ = FindControl(controls::caption::kSkin);

    FindFamily(pm_, controls::preview::kMouseZones, mouseZones_);
    FindFamily(pm_, controls::preview::kPadZones, padZones_);
    FindFamily(pm_, controls::preview::kKeyboardKeys, keyboardKeys_);
    PrepareZones(mouseZones_);
    PrepareZones(padZones_);

    SetMainWindowHandle(GetHWND());
    devices_.Attach();

    for (std::string_view name : kPalettes) {
        if (auto* palette = dynamic_cast<toolkit::CColorPaletteUI*>(FindControl(name))) {
            palette->SetSelectColor(kPaletteStartColour);
        }
    }

    trayIcon_ = toolkit::GetWindowHost().CreateTrayIcon();
    trayIcon_->CreateTrayIcon(GetHWND(), kTrayIconResource, std::string(kProgramTitle));

    toolkit::CPaintManagerUI::SetDPIAwareness(1);
}

std::unique_ptr<toolkit::CControlUI> CMainWnd::CreateControl(std::string_view className) {
    for (const controls::skin::Placeholder& placeholder : controls::skin::kPlaceholders) {
        if (toolkit::EqualsNoCase(className, placeholder.element)) {
            toolkit::CDialogBuilder builder;
            return builder.Create(placeholder.file, {}, nullptr, &pm_);
        }
    }
    if (toolkit::EqualsNoCase(className, controls::skin::kCircleProgressElement)) {
        return ui::CCircleProgressUI::CreateControl();
    }
    if (toolkit::EqualsNoCase(className, controls::skin::kDeviceKeyButtonElement)) {
        return ui::CDeviceKeyButtonUI::CreateControl();
    }
    return nullptr;
}

std::optional<std::string> CMainWnd::QueryControlText(std::string_view id, std::string_view) {
    const bool english = toolkit::CResourceManager::GetInstance().GetLanguage() == "en";
    if (toolkit::EqualsNoCase(id, "titletext")) {
        return english ? "Duilib Demo v1.1" : "mouse";
    }
    if (toolkit::EqualsNoCase(id, "hometext")) {
        return english ? "{a}Home Page{/a}" : "{a}演示官网{/a}";
    }
    return std::nullopt;
}

int CMainWnd::Receive(ui::SkinChangedParam param) {
    if (toolkit::CControlUI* root = FindControl(controls::main_window::kRoot)) {
        if (param.useColour == 1) {
            root->SetBkColor(param.colour);
            root->SetBkImage({});
        } else {
            root->SetBkColor(0);
            root->SetBkImage(std::move(param.image));
        }
    }
    return 1;
}

toolkit::LRESULT CMainWnd::OnDestroy(toolkit::UINT, toolkit::WPARAM, toolkit::LPARAM,
                                     bool& handled) {
    if (trayIcon_) {
        trayIcon_->DeleteTrayIcon();
    }
    platform::msg::PostQuitMessage(0);
    handled = false;  // the message handler stops the threads
    return 0;
}

StopOutcome CMainWnd::StopThreads() {
    ShowWindow(false);
    StopOutcome outcome = threads_.Stop(options_.stopLimitMs);
    platform::sys::OutputDebugString(StopOutcomeText(outcome));
    lastStop_ = outcome;
    return outcome;
}

}  // namespace app
