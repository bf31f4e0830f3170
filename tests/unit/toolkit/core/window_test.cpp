#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "skin_fixture.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/test_driver.h"
#include "toolkit/core/tray_icon.h"

namespace toolkit {
namespace {

using testing::SkinDir;
using testing::TestWindow;
namespace m = platform::msg;

constexpr m::UINT_PTR kReaperTimer = 999;
constexpr UINT kReaperResult = 12345;

constexpr const char* kDialog = R"(<Window size="200,100"><VerticalLayout name="root">
    <Button name="ok" height="20"/><Button name="cancel" height="20"/>
    <Button name="closebtn" height="20"/><Button name="minbtn" height="20"/>
    </VerticalLayout></Window>)";

// Fails the test instead of hanging when a loop never ends.
void ArmReaper(TestWindow& window) {
    m::SetTimer(window.GetHWND(), kReaperTimer, testing::kReaperMs);
    window.onMessage = [&window](UINT message, WPARAM wParam, LPARAM) {
        if (message == m::WM_TIMER && wParam == kReaperTimer) {
            ADD_FAILURE() << "modal loop did not end";
            window.Close(kReaperResult);
            return true;
        }
        return false;
    };
}

class SelfOwnedWindow : public TestWindow {
public:
    using TestWindow::TestWindow;
    static int deleted;

protected:
    void OnFinalMessage(HWND) override {
        ++deleted;
        delete this;
    }
};
int SelfOwnedWindow::deleted = 0;

TEST(WindowTest, ShowModalReturnsTheValueGivenToClose) {
    struct Case {
        const char* button;
        UINT expected;
    } cases[] = {{"ok", 1}, {"cancel", 0}, {"closebtn", IDOK}};
    SkinDir skin;
    skin.Write("dlg.xml", kDialog);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        TestWindow window("dlg.xml");
        ASSERT_TRUE(window.Create(HWND(), "dialog", 0, 0));
        ArmReaper(window);
        window.onNotify = [&window](TNotifyUI& msg) {
            if (msg.type == "click" && msg.sender->GetName() == "ok") {
                window.Close(1);
            } else if (msg.type == "click" && msg.sender->GetName() == "cancel") {
                window.Close(0);
            }
        };
        m::PostTask(window.GetHWND(),
                    [&window, &c] { CTestDriver(window.GetPaintManager()).Click(c.button); });
        EXPECT_EQ(window.ShowModal(), c.expected);
        EXPECT_FALSE(window.GetHWND());
    }
}

TEST(WindowTest, SelfOwnedModalWindowReturnsItsResultAfterDeletingItself) {
    SkinDir skin;
    skin.Write("dlg.xml", kDialog);
    SelfOwnedWindow::deleted = 0;
    auto* window = new SelfOwnedWindow("dlg.xml");
    ASSERT_TRUE(window->Create(HWND(), "dialog", 0, 0));
    ArmReaper(*window);
    // The system close command ends the dialog as a cancel.
    window->PostMessage(m::WM_SYSCOMMAND, m::SC_CLOSE);
    EXPECT_EQ(window->ShowModal(), IDCANCEL);
    EXPECT_EQ(SelfOwnedWindow::deleted, 1);
}

TEST(WindowTest, CreateTakesTheSkinSizeAndCentresOnTheWorkArea) {
    SkinDir skin;
    skin.Write("dlg.xml", kDialog);
    auto host = std::make_shared<CHeadlessHost>(Rect{0, 0, 1000, 800});
    SetWindowHost(host);
    TestWindow window("dlg.xml");
    ASSERT_TRUE(window.Create(HWND(), "dialog", 0, 0));
    window.CenterWindow();
    EXPECT_EQ(window.GetWindowRect(), (Rect{400, 350, 600, 450}));
    EXPECT_EQ(window.GetPaintManager().GetClientSize(), (Size{200, 100}));
    EXPECT_EQ(host->GetTitle(window.GetHWND()), "dialog");

    window.ShowWindow(true);
    ASSERT_TRUE(CTestDriver(window.GetPaintManager()).Click("minbtn"));
    EXPECT_TRUE(host->IsIconic(window.GetHWND()));
    window.SendMessage(m::WM_SYSCOMMAND, m::SC_RESTORE);
    EXPECT_FALSE(host->IsIconic(window.GetHWND()));
    EXPECT_TRUE(host->IsWindowVisible(window.GetHWND()));
    SetWindowHost(nullptr);
}

TEST(WindowTest, MissingSkinFailsCreation) {
    SkinDir skin;
    TestWindow window("nothing.xml");
    EXPECT_FALSE(window.Create(HWND(), "dialog", 0, 0));
}

TEST(WindowTest, HeadlessHostRendersAWindowToPng) {
    SkinDir skin;
    skin.Write("main.xml",
               testing::WindowSkin(R"(<VerticalLayout name="root" bkcolor="#FF102030"/>)", 40, 30));
    auto host = std::make_shared<CHeadlessHost>();
    SetWindowHost(host);
    TestWindow window("main.xml");
    ASSERT_TRUE(window.Create(HWND(), "main", 0, 0));
    std::string png = skin.Path() + "/shot.png";
    ASSERT_TRUE(host->RenderToPng(window.GetHWND(), png));
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 40);
    cairo_surface_flush(image);
    auto* pixel = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
    EXPECT_EQ(pixel[0], 0xFF102030u);
    cairo_surface_destroy(image);

    window.SetDPI(192);
    window.ResetDPIAssets();
    ASSERT_TRUE(host->RenderToPng(window.GetHWND(), png));
    image = cairo_image_surface_create_from_png(png.c_str());
    EXPECT_EQ(cairo_image_surface_get_width(image), 80);
    cairo_surface_destroy(image);
    SetWindowHost(nullptr);
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.Write("main.xml", testing::WindowSkin(R"(<VerticalLayout name="root"/>)"));
        skin_.Write("menu1.xml", R"(<Menu width="120">
            <MenuElement name="lan_en" text="English" userdata="en"/>
            <MenuElement name="About_setting" text="About"/></Menu>)");
        ASSERT_TRUE(owner_.Create(HWND(), "owner", 0, 0));
        ArmReaper(owner_);
        reaper_ = owner_.onMessage;
        owner_.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == kMenuCommandMessage) {
                chosen_ = TakeMenuCmd(lParam);
                return true;
            }
            return reaper_(message, wParam, lParam);
        };
    }

    SkinDir skin_;
    TestWindow owner_{"main.xml"};
    std::function<bool(UINT, WPARAM, LPARAM)> reaper_;
    std::unique_ptr<MenuCmd> chosen_;
};

TEST_F(MenuTest, ChosenItemReachesTheOwnerAndClosesTheMenu) {
    auto* menu = new CMenuWnd();
    ASSERT_TRUE(menu->Init("menu1.xml", {100, 50}, &owner_.GetPaintManager(), 6));
    CControlUI* exitItem = menu->GetMenuUI()->AddAt(std::make_unique<CMenuElementUI>(), 0);
    exitItem->SetName("exit");
    exitItem->SetText("Close");
    menu->ResizeMenu();
    EXPECT_EQ(menu->GetWindowRect(), (Rect{100, 50, 220, 110}));
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 1);

    ASSERT_TRUE(CTestDriver(menu->GetPaintManager()).Click("exit"));
    m::RunModalLoop([this] {
        return (chosen_ != nullptr && CMenuWnd::GetOpenMenuCount() == 0) || !owner_.GetHWND();
    });
    ASSERT_NE(chosen_, nullptr);
    EXPECT_EQ(chosen_->name, "exit");
    EXPECT_EQ(chosen_->text, "Close");
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 0);
}

TEST_F(MenuTest, DestroyMenuClosesEveryOpenMenu) {
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE((new CMenuWnd())->Init("menu1.xml", {0, 0}, &owner_.GetPaintManager()));
    }
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 2);
    CMenuWnd::DestroyMenu();
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 0);
}

TEST_F(MenuTest, TrayClicksArriveAsTheTrayMessage) {
    CHeadlessTrayIcon tray;
    ASSERT_TRUE(tray.CreateTrayIcon(owner_.GetHWND(), 107, "KAVRIN ZR417"));
    std::vector<LPARAM> clicks;
    owner_.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kTrayMessage) {
            clicks.push_back(lParam);
            return true;
        }
        return reaper_(message, wParam, lParam);
    };
    EXPECT_TRUE(tray.Click(514));
    EXPECT_TRUE(tray.Click(517));
    m::RunModalLoop([&] { return clicks.size() == 2 || !owner_.GetHWND(); });
    EXPECT_EQ(clicks, (std::vector<LPARAM>{514, 517}));
    tray.DeleteTrayIcon();
    EXPECT_FALSE(tray.Click(514));
}

}  // namespace
}  // namespace toolkit
