// The main window in the headless host: start-up, tray, caption, menu commands, timers, skin
// changes and the about window.
#include <gtest/gtest.h>

#include "app/language_settings.h"
#include "app/message_box.h"
#include "platform/fs/profile_string.h"
#include "platform/fs/registry.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/window.h"
#include "platform/sys/clock.h"
#include "shell_fixture.h"
#include "toolkit/core/container.h"
#include "toolkit/core/menu_cmd.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/test_driver.h"
#include "toolkit/core/tray_icon.h"
#include "ui/windows/about_window.h"
#include "ui/windows/msg_wnd.h"
#include "ui/windows/skin_change.h"

namespace app::testing {
namespace {

namespace m = platform::msg;

constexpr toolkit::LPARAM kLeftButtonUp = 514;
constexpr toolkit::LPARAM kRightButtonUp = 517;

void SendMenuCommand(CMainWnd& window, std::string name) {
    window.SendMessage(toolkit::kMenuCommandMessage, 0,
                       reinterpret_cast<toolkit::LPARAM>(new toolkit::MenuCmd{name, {}, {}}));
}

using MainWindowTest = ShellTest;

TEST_F(MainWindowTest, StartsHiddenWithTrayIconAndBuildsPagePlaceholdersWithoutRegardToCase) {
    CMainWnd& window = CreateMainWindow();
    EXPECT_EQ(host_->GetTitle(window.GetHWND()), "KAVRIN ZR417");
    const toolkit::Rect rect = host_->GetWindowRect(window.GetHWND());
    EXPECT_EQ(rect, toolkit::Rect::FromSize(560, 254, 800, 572));  // centred on 1920 x 1080
    ASSERT_TRUE(RunStartup());

    ASSERT_NE(window.GetTrayIcon(), nullptr);
    EXPECT_TRUE(window.GetTrayIcon()->IsShown());
    EXPECT_EQ(window.GetTrayIcon()->GetToolTip(), "KAVRIN ZR417");
    // "ms_dpi_ui" and "KB_cursor_ui" name sub-skins; an unknown element builds nothing.
    EXPECT_NE(window.FindControl("fixture_dpi_page"), nullptr);
    EXPECT_NE(window.FindControl("fixture_cursor_page"), nullptr);
    EXPECT_EQ(dynamic_cast<toolkit::CContainerUI&>(*window.GetPaintManager().GetRoot()).GetCount(),
              7);
    // Preview zones start untinted with the colour changer on.
    toolkit::CControlUI* zone = window.FindControl("mp_dkey_0");
    ASSERT_NE(zone, nullptr);
    EXPECT_TRUE(zone->IsChangerColor());
    EXPECT_EQ(zone->GetChangerAlpha(), 0);
}

TEST_F(MainWindowTest, TrayClickWithoutDeviceShowsTheNoDeviceMessageOnce) {
    CMainWnd& window = CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    auto* tray = dynamic_cast<toolkit::CHeadlessTrayIcon*>(window.GetTrayIcon());
    ASSERT_NE(tray, nullptr);

    size_t boxesSeen = 0;
    std::string text;
    bool checked = false;
    // Two clicks, then a look from inside the first box's modal loop.
    ASSERT_TRUE(tray->Click(kLeftButtonUp));
    ASSERT_TRUE(tray->Click(kLeftButtonUp));
    m::PostTask(window.GetHWND(), [&] {
        boxesSeen = ui::CMsgWnd::OpenWindows().size();
        if (boxesSeen > 0) {
            ui::CMsgWnd* box = ui::CMsgWnd::OpenWindows().front();
            text = box->FindControl("MessageText")->GetText();
            toolkit::CTestDriver(box->GetPaintManager()).Click("confirm_btn");
        }
        checked = true;
    });
    ASSERT_TRUE(RunUntil([&] { return checked && ui::CMsgWnd::OpenWindows().empty(); }));
    EXPECT_EQ(boxesSeen, 1u);
    EXPECT_EQ(text, "No device is connected.");
    EXPECT_FALSE(host_->IsWindowVisible(window.GetHWND()));
}

TEST_F(MainWindowTest, TrayMenuOpensOnRightClickAndExitEndsTheProgram) {
    CMainWnd& window = CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    auto* tray = dynamic_cast<toolkit::CHeadlessTrayIcon*>(window.GetTrayIcon());
    ASSERT_NE(tray, nullptr);
    ASSERT_TRUE(tray->Click(kRightButtonUp));
    ASSERT_TRUE(RunUntil([] { return toolkit::CMenuWnd::GetOpenMenuCount() == 1; }));

    SendMenuCommand(window, "exit");
    EXPECT_EQ(m::RunMessageLoop(), 0);
    EXPECT_FALSE(window.GetHWND());
    EXPECT_EQ(window.GetLastStopOutcome(), StopOutcome::kAllEnded);
    EXPECT_FALSE(tray->IsShown());
}

TEST_F(MainWindowTest, CloseButtonOnlyMinimises) {
    CMainWnd& window = CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    window.ShowWindow(true);
    ASSERT_TRUE(toolkit::CTestDriver(window.GetPaintManager()).Click("closebtn"));
    ASSERT_TRUE(RunUntil([&] { return host_->IsIconic(window.GetHWND()); }));
    EXPECT_TRUE(m::IsWindow(window.GetHWND()));
}

TEST_F(MainWindowTest, HelpButtonOpensAndCollapsesTheHelpPanel) {
    CMainWnd& window = CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    window.ShowWindow(true);
    toolkit::CTestDriver driver(window.GetPaintManager());
    toolkit::CControlUI* panel = window.FindControl("ques_click");
    ASSERT_NE(panel, nullptr);
    const toolkit::Rect open{800, 20, 951, 105};
    const toolkit::Rect collapsed{800, 20, 800, 20};
    for (const toolkit::Rect& expected : {open, collapsed, open}) {
        ASSERT_TRUE(driver.Click("quesbtn"));
        window.GetPaintManager().UpdateLayout();
        EXPECT_EQ(panel->GetPos(), expected);
        EXPECT_TRUE(panel->IsVisible());
    }
}

TEST_F(MainWindowTest, ChineseChoiceIsStoredAndTheRegistryWinsAtTheNextStart) {
    CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    SendMenuCommand(*window_, "lan_cn");
    EXPECT_EQ(platform::fs::ReadRegistryString(platform::fs::RegistryRoot::kLocalMachine,
                                               "SOFTWARE\\Gaming Mouse", "LANGUAGE"),
              "2020");
    EXPECT_EQ(platform::fs::ReadProfileValue("SKINIMAGE", "LANGUAGE", MainIni()), "1");
    EXPECT_EQ(toolkit::CResourceManager::GetInstance().GetLanguage(), "cn_zh");
    CloseMainWindow();

    // Someone edits main.ini back to English; the registry value still decides.
    ASSERT_TRUE(platform::fs::WritePrivateProfileString("SKINIMAGE", "LANGUAGE", "0", MainIni()));
    CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    EXPECT_EQ(toolkit::CResourceManager::GetInstance().GetLanguage(), "cn_zh");
    EXPECT_EQ(toolkit::CResourceManager::GetInstance().GetText("message_text_1"), "没有连接设备。");
    EXPECT_EQ(platform::fs::ReadProfileValue("SKINIMAGE", "LANGUAGE", MainIni()), "1");
}

TEST_F(MainWindowTest, UnknownTimerChangesNothingAndTheRepaintTimerGoesOn) {
    CMainWnd& window = CreateMainWindow();
    ASSERT_TRUE(RunStartup());
    window.ShowWindow(true);
    toolkit::CControlUI* root = window.FindControl("root");
    const toolkit::Color before = root->GetBkColor();
    EXPECT_EQ(window.SendMessage(m::WM_TIMER, 4242, 0), 0);
    EXPECT_TRUE(host_->IsWindowVisible(window.GetHWND()));
    EXPECT_EQ(root->GetBkColor(), before);
    // The 50 ms repaint keeps invalidating the window.
    window.GetPaintManager().Validate();
    EXPECT_TRUE(RunUntil([&] { return !window.GetPaintManager().GetInvalidRect().IsEmpty(); }));
}

TEST_F(MainWindowTest, PadZoneMessagesTintOnlyZonesThatExist) {
    CMainWnd& window = CreateMainWindow();
    toolkit::CControlUI* zone = window.FindControl("mp_dkey_0");
    ASSERT_NE(zone, nullptr);
    window.SendMessage(2563, 0, 0x00FF8040);
    window.SendMessage(2564, 0, 200);
    EXPECT_EQ(zone->GetChangerColor(), 0x00FF8040u);
    EXPECT_EQ(zone->GetChangerAlpha(), 200);
    // Zone numbers come from outside: one past the 15 zones, or a zone the skin lacks, is ignored.
    window.SendMessage(2563, 15, 1);
    window.SendMessage(2564, 1, 1);
    window.SendMessage(2563, ~toolkit::WPARAM{0}, 1);
    EXPECT_EQ(zone->GetChangerColor(), 0x00FF8040u);
}

TEST_F(MainWindowTest, TextQueryAnswersTheTitleAndHomeIdsPerLanguage) {
    CMainWnd& window = CreateMainWindow();
    toolkit::CResourceManager& resources = toolkit::CResourceManager::GetInstance();
    resources.SetLanguage("en");
    EXPECT_EQ(window.QueryControlText("TitleText", {}), "Duilib Demo v1.1");
    EXPECT_EQ(window.QueryControlText("hometext", {}), "{a}Home Page{/a}");
    resources.SetLanguage("cn_zh");
    EXPECT_EQ(window.QueryControlText("titletext", {}), "mouse");
    EXPECT_EQ(window.QueryControlText("HOMETEXT", {}), "{a}演示官网{/a}");
    EXPECT_EQ(window.QueryControlText("message_text_1", {}), std::nullopt);
}

TEST_F(MainWindowTest, SkinChangeBroadcastSetsTheRootBackground) {
    CMainWnd& window = CreateMainWindow();
    toolkit::CControlUI* root = window.FindControl("root");
    ASSERT_NE(root, nullptr);
    root->SetBkImage("old.png");

    ui::GetSkinChangeObserver().Broadcast({1, 0xFF336699, {}});
    EXPECT_EQ(root->GetBkColor(), 0xFF336699u);
    EXPECT_EQ(root->GetBkImage(), "");

    ui::GetSkinChangeObserver().Broadcast({0, 0xFF336699, "ulmar/bg.png"});
    EXPECT_EQ(root->GetBkColor(), 0u);
    EXPECT_EQ(root->GetBkImage(), "ulmar/bg.png");

    // A window that is gone is no longer called.
    window_.reset();
    ui::GetSkinChangeObserver().Broadcast({1, 0xFF000000, {}});
}

TEST_F(MainWindowTest, AboutWindowOpensAtTwiceTheLeftEdgeAndHalfTheBottomLess80) {
    CMainWnd& window = CreateMainWindow();
    window.MoveWindow({100, 128, 900, 700});
    ui::Ccopyright* about = ui::Ccopyright::Open(window.GetHWND());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->GetWindowRect(), toolkit::Rect::FromSize(200, 270, 800, 572));
    EXPECT_TRUE(host_->IsWindowVisible(about->GetHWND()));
    EXPECT_EQ(host_->GetTitle(about->GetHWND()), "关于");
    const toolkit::HWND aboutHwnd = about->GetHWND();
    ASSERT_TRUE(toolkit::CTestDriver(about->GetPaintManager()).Click("closebtn"));
    EXPECT_TRUE(RunUntil([&] { return !m::IsWindow(aboutHwnd); }));
}

TEST_F(MainWindowTest, MessageBoxResultsAndTheNoticeThatClosesItself) {
    CMainWnd& window = CreateMainWindow();
    struct Case {
        const char* button;
        toolkit::UINT result;
    } cases[] = {{"confirm_btn", 1}, {"cancel_btn", 0}, {"closebtn", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        m::PostTask(window.GetHWND(), [&] {
            ASSERT_EQ(ui::CMsgWnd::OpenWindows().size(), 1u);
            toolkit::CTestDriver(ui::CMsgWnd::OpenWindows().front()->GetPaintManager())
                .Click(c.button);
        });
        EXPECT_EQ(ShowMessageBox(window.GetHWND(), "message_text_1"), c.result);
        EXPECT_TRUE(ui::CMsgWnd::OpenWindows().empty());
    }

    const uint64_t start = platform::sys::GetTickCount64();
    EXPECT_EQ(ShowNoDeviceNotice(window.GetHWND()), 0u);
    const uint64_t elapsed = platform::sys::GetTickCount64() - start;
    EXPECT_GE(elapsed, 450u);
    EXPECT_LT(elapsed, 2000u);
    EXPECT_TRUE(ui::CMsgWnd::OpenWindows().empty());
}

}  // namespace
}  // namespace app::testing
