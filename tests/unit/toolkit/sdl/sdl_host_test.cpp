#include "toolkit/sdl/sdl_host.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>

#include "platform/input/keyboard_hook.h"
#include "platform/msg/clock.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "skin_fixture.h"
#include "toolkit/core/edit.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/tray_icon.h"

namespace toolkit::sdl {
namespace {

namespace m = platform::msg;
using toolkit::testing::SkinDir;
using toolkit::testing::TestWindow;

constexpr const char* kSkin = R"(<Window size="200,120" caption="0,0,0,20">
  <VerticalLayout name="root" bkcolor="#FF102030">
    <Label name="title" height="20"/>
    <Edit name="edit1" float="true" pos="10,30,90,50"/>
    <Button name="button" float="true" pos="100,30,190,50"/>
    <Edit name="edit2" float="true" pos="10,60,90,80"/>
    <Edit name="secret" float="true" pos="100,60,190,80" password="true"/>
    <List name="list" float="true" pos="10,90,190,118">
      <ListLabelElement name="r0" text="a"/><ListLabelElement name="r1" text="b"/></List>
  </VerticalLayout></Window>)";

constexpr const char* kMenu = R"(<Menu width="100">
  <MenuElement name="first" text="First"/><MenuElement name="second" text="Second"/></Menu>)";

// Real SDL windows on SDL's dummy video driver: no display needed, events are injected.
class SdlHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        host_ = SdlHost::Create();
        ASSERT_NE(host_, nullptr);
        SetWindowHost(host_);
        skin_.Write("main.xml", kSkin);
        skin_.Write("menu.xml", kMenu);
        window_ = std::make_unique<TestWindow>("main.xml");
        ASSERT_TRUE(window_->Create(HWND(), "main", 0, 0, 50, 40));
        window_->onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
            messages_.push_back({message, wParam, lParam});
            if (message == kMenuCommandMessage) {
                menuChoices_.push_back(TakeMenuCmd(lParam)->name);
                return true;
            }
            return false;
        };
        window_->ShowWindow(true);
        Pump();
    }
    void TearDown() override {
        CMenuWnd::DestroyMenu();
        window_.reset();
        SetWindowHost(nullptr);
        host_.reset();
    }

    void Pump() {
        m::MSG msg;
        while (m::PeekMessage(msg)) {
            m::DispatchMessage(msg);
        }
    }
    Uint32 WindowId() const { return SDL_GetWindowID(host_->GetSdlWindow(window_->GetHWND())); }
    void Inject(SDL_Event event) {
        host_->HandleEvent(event);
        Pump();
    }
    void Click(Point at, Uint8 button = SDL_BUTTON_LEFT, Uint8 clicks = 1) {
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.button.type = type;
            event.button.windowID = WindowId();
            event.button.button = button;
            event.button.clicks = clicks;
            event.button.x = at.x;
            event.button.y = at.y;
            Inject(event);
        }
    }
    void Key(SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
        SDL_Event event{};
        event.key.type = SDL_KEYDOWN;
        event.key.windowID = WindowId();
        event.key.keysym.scancode = scancode;
        event.key.keysym.mod = mod;
        Inject(event);
    }
    void Type(const char* utf8) {
        SDL_Event event{};
        event.text.type = SDL_TEXTINPUT;
        event.text.windowID = WindowId();
        SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
        Inject(event);
    }
    Uint32 PixelAt(int x, int y) {
        SDL_Surface* surface = SDL_GetWindowSurface(host_->GetSdlWindow(window_->GetHWND()));
        Uint32 pixel = static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        return (r << 16) | (g << 8) | b;
    }
    bool Received(const std::string& entry) const {
        return std::find(window_->received.begin(), window_->received.end(), entry) !=
               window_->received.end();
    }
    std::string EditText(const char* name) { return window_->FindControl(name)->GetText(); }

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    SkinDir skin_;
    std::shared_ptr<SdlHost> host_;
    std::unique_ptr<TestWindow> window_;
    std::vector<Message> messages_;
    std::vector<std::string> menuChoices_;
};

TEST_F(SdlHostTest, NativeWindowFollowsGeometryAndVisibility) {
    SDL_Window* sdl = host_->GetSdlWindow(window_->GetHWND());
    ASSERT_NE(sdl, nullptr);
    EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN, 0u);
    EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_BORDERLESS, 0u);
    int w = 0, h = 0;
    SDL_GetWindowSize(sdl, &w, &h);
    EXPECT_EQ(w, 200);  // the skin's size
    EXPECT_EQ(h, 120);

    window_->MoveWindow(Rect::FromSize(70, 80, 220, 130));
    int x = 0, y = 0;
    SDL_GetWindowPosition(sdl, &x, &y);
    SDL_GetWindowSize(sdl, &w, &h);
    EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{70, 80, 220, 130}));

    // No window manager here: a minimised window is taken off the screen, and comes back.
    window_->ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(host_->IsIconic(window_->GetHWND()));
    EXPECT_EQ(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN, 0u);
    window_->ShowWindow(SW_RESTORE);
    EXPECT_FALSE(host_->IsIconic(window_->GetHWND()));
    EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN, 0u);

    window_->ShowWindow(false);
    EXPECT_EQ(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN, 0u);
    EXPECT_FALSE(host_->IsWindowVisible(window_->GetHWND()));

    host_->SetTopMost(window_->GetHWND(), true);
    EXPECT_TRUE(host_->IsTopMost(window_->GetHWND()));
}

TEST_F(SdlHostTest, RepaintsOnlyTheDamagedArea) {
    ASSERT_EQ(PixelAt(150, 100), 0x102030u) << "first paint shows the skin";
    SDL_Surface* surface = SDL_GetWindowSurface(host_->GetSdlWindow(window_->GetHWND()));
    SDL_Rect markInside{145, 95, 10, 10};
    SDL_Rect markOutside{5, 95, 10, 10};
    SDL_FillRect(surface, &markInside, SDL_MapRGB(surface->format, 255, 0, 0));
    SDL_FillRect(surface, &markOutside, SDL_MapRGB(surface->format, 255, 0, 0));

    window_->GetPaintManager().Invalidate(Rect::FromSize(140, 90, 20, 20));
    Pump();
    EXPECT_EQ(PixelAt(150, 100), 0x102030u) << "the damaged area was painted again";
    EXPECT_EQ(PixelAt(10, 100), 0xFF0000u) << "nothing outside the damage was touched";
}

TEST_F(SdlHostTest, MouseInputBecomesNotifications) {
    Click({145, 40});
    EXPECT_TRUE(Received("click:button"));
    Click({30, 40}, SDL_BUTTON_RIGHT);
    EXPECT_TRUE(std::any_of(messages_.begin(), messages_.end(),
                            [](const Message& msg) { return msg.message == m::WM_RBUTTONUP; }));
    // The second press of a double click is a double click, as on the desktop.
    Click({50, 95});
    Click({50, 95}, SDL_BUTTON_LEFT, 2);
    EXPECT_TRUE(Received("itemactivate:r0"));
}

TEST_F(SdlHostTest, AModalDialogHoldsTheInputOfItsOwner) {
    skin_.Write("dlg.xml", R"(<Window size="80,40"><VerticalLayout name="root">
        <Button name="ok"/></VerticalLayout></Window>)");
    TestWindow dialog("dlg.xml");
    ASSERT_TRUE(dialog.Create(window_->GetHWND(), "dialog", 0, 0, 300, 300));
    m::PostTask(dialog.GetHWND(), [&] {
        Click({145, 40});  // the owner's button, while the dialog runs
        Type("x");
        dialog.Close(5);
    });
    EXPECT_EQ(dialog.ShowModal(), 5u);
    EXPECT_FALSE(Received("click:button"));
    EXPECT_EQ(EditText("edit1"), "");

    Click({145, 40});
    EXPECT_TRUE(Received("click:button")) << "the owner takes input again";
}

TEST_F(SdlHostTest, KeyHooksSeeEveryKeyFirstAndMaySwallowIt) {
    std::vector<platform::input::KeyEvent> seen;
    platform::input::KeyboardHook hook =
        platform::input::InstallKeyboardHook([&](const platform::input::KeyEvent& event) {
            seen.push_back(event);
            return event.virtualKey == 0x41;  // keeps A from the windows
        });
    Key(SDL_SCANCODE_A);
    Key(SDL_SCANCODE_KP_ENTER);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].virtualKey, 0x41u);
    EXPECT_EQ(seen[1].virtualKey, 0x0Du);
    EXPECT_TRUE(seen[1].IsExtended());
    std::vector<WPARAM> keys;
    for (const Message& msg : messages_) {
        if (msg.message == m::WM_KEYDOWN) {
            keys.push_back(msg.wParam);
        }
    }
    EXPECT_EQ(keys, (std::vector<WPARAM>{0x0D}));
}

TEST_F(SdlHostTest, TabMovesTheFocusThroughTheControlsInOrder) {
    CPaintManagerUI& pm = window_->GetPaintManager();
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        Key(SDL_SCANCODE_TAB);
        order.push_back(pm.GetFocus() != nullptr ? pm.GetFocus()->GetName() : "");
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"edit1", "button", "edit2", "secret", "list", "edit1"}));
    Key(SDL_SCANCODE_TAB, KMOD_LSHIFT);
    EXPECT_EQ(pm.GetFocus()->GetName(), "list");
}

TEST_F(SdlHostTest, TextInputAndClipboardInEdits) {
    Click({30, 40});
    Type("h\xC3\xA9");  // "hé": one WM_CHAR per code point
    EXPECT_EQ(EditText("edit1"), "h\xC3\xA9");
    EXPECT_TRUE(Received("textchanged:edit1"));

    Key(SDL_SCANCODE_C, KMOD_LCTRL);
    Click({30, 70});
    Key(SDL_SCANCODE_V, KMOD_LCTRL);
    EXPECT_EQ(EditText("edit2"), "h\xC3\xA9");
    Key(SDL_SCANCODE_X, KMOD_LCTRL);
    EXPECT_EQ(EditText("edit2"), "");
    EXPECT_TRUE(Received("textchanged:edit2"));

    // A password never leaves its edit.
    Click({145, 70});
    Type("pw");
    Key(SDL_SCANCODE_C, KMOD_LCTRL);
    char* clipboard = SDL_GetClipboardText();
    EXPECT_STREQ(clipboard, "h\xC3\xA9");
    SDL_free(clipboard);
}

TEST_F(SdlHostTest, MenusTakeKeysAndCloseOnOutsideClicks) {
    auto* menu = new CMenuWnd();
    ASSERT_TRUE(menu->Init("menu.xml", {20, 20}, &window_->GetPaintManager()));
    Pump();
    Key(SDL_SCANCODE_DOWN);
    Key(SDL_SCANCODE_DOWN);
    Key(SDL_SCANCODE_RETURN);
    EXPECT_EQ(menuChoices_, (std::vector<std::string>{"second"}));
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 0);

    menu = new CMenuWnd();
    ASSERT_TRUE(menu->Init("menu.xml", {20, 20}, &window_->GetPaintManager()));
    Pump();
    Key(SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 0);

    menu = new CMenuWnd();
    ASSERT_TRUE(menu->Init("menu.xml", {20, 20}, &window_->GetPaintManager()));
    Pump();
    Click({150, 100});
    EXPECT_EQ(CMenuWnd::GetOpenMenuCount(), 0);
}

TEST_F(SdlHostTest, WithoutATrayTheIconReportsFailure) {
    std::unique_ptr<CTrayIcon> tray = host_->CreateTrayIcon();
    EXPECT_FALSE(tray->CreateTrayIcon(window_->GetHWND(), 1, "tip"));
    EXPECT_FALSE(tray->IsShown());
}

TEST_F(SdlHostTest, ATooltipIsAWindowBesideThePointerThatGoesWithItsOwner) {
    const HWND hwnd = window_->GetHWND();
    const Point pointer{100, 100};
    host_->ShowToolTip(hwnd, "Choose the colour of this level", pointer);
    const ToolTipWindow* tip = host_->GetToolTipWindow(hwnd);
    ASSERT_NE(tip, nullptr);
    SDL_Window* sdl = tip->Get();
    EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_TOOLTIP, 0u);
    EXPECT_NE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN, 0u);
    EXPECT_EQ(tip->GetRect().TopLeft(),
              (Point{pointer.x + kToolTipOffset, pointer.y + kToolTipOffset}));
    const double scale = host_->GetScale();
    int x = 0, y = 0;
    SDL_GetWindowPosition(sdl, &x, &y);
    EXPECT_EQ(x, static_cast<int>(std::lround((pointer.x + kToolTipOffset) * scale)));
    auto pixel = [sdl](int px, int py) {
        SDL_Surface* surface = SDL_GetWindowSurface(sdl);
        Uint32 value = static_cast<Uint32*>(surface->pixels)[py * surface->pitch / 4 + px];
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(value, surface->format, &r, &g, &b);
        return static_cast<Uint32>((r << 16) | (g << 8) | b);
    };
    const int inside = static_cast<int>(std::lround(3 * scale));
    EXPECT_EQ(pixel(0, 0), kToolTipBorder & 0xFFFFFFu);
    EXPECT_EQ(pixel(inside, inside), kToolTipBackground & 0xFFFFFFu);
    const int oneLine = tip->GetRect().Height();

    // A new text changes the same window; a long one wraps.
    host_->ShowToolTip(hwnd,
                       "Choose the colour of this level, then press it again to pick a "
                       "new one from the palette that opens beside the pointer",
                       pointer);
    ASSERT_EQ(host_->GetToolTipWindow(hwnd), tip);
    EXPECT_LE(tip->GetRect().Width(), kToolTipWrapWidth + 2 * kToolTipPadding);
    EXPECT_GT(tip->GetRect().Height(), oneLine);

    host_->HideToolTip(hwnd);
    EXPECT_EQ(host_->GetToolTipWindow(hwnd), nullptr);
    host_->ShowToolTip(hwnd, "again", pointer);
    window_->ShowWindow(false);
    EXPECT_EQ(host_->GetToolTipWindow(hwnd), nullptr) << "a hidden window shows no tooltip";
    host_->ShowToolTip(hwnd, "again", pointer);
    window_.reset();
    EXPECT_EQ(host_->GetToolTipWindow(hwnd), nullptr);
}

TEST_F(SdlHostTest, PointerRestingOnAControlShowsItsTipUntilAKey) {
    auto clock = std::make_shared<m::ManualClock>();
    m::SetCurrentThreadClock(clock);
    const HWND hwnd = window_->GetHWND();
    window_->FindControl("button")->SetToolTip("Press to go");
    SDL_Event motion{};
    motion.motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = WindowId();
    motion.motion.x = 145;
    motion.motion.y = 40;
    Inject(motion);
    EXPECT_EQ(host_->GetToolTipWindow(hwnd), nullptr);
    clock->Advance(kToolTipDelayMs);
    Pump();
    ASSERT_NE(host_->GetToolTipWindow(hwnd), nullptr);
    EXPECT_EQ(window_->GetPaintManager().GetShownToolTip(), "Press to go");
    // Tab is served by the host itself, before the window sees the key.
    Key(SDL_SCANCODE_TAB);
    EXPECT_EQ(host_->GetToolTipWindow(hwnd), nullptr);
    m::SetCurrentThreadClock(std::make_shared<m::SteadyClock>());
}

TEST(ToolTipPlacementTest, BelowRightOfThePointerElseOnItsOtherSideInsideTheWorkArea) {
    const Rect area{0, 0, 1000, 800};
    struct Case {
        const char* what;
        Point pointer;
        Size size;
        Rect expected;
    } cases[] = {
        {"room below right", {100, 100}, {50, 20}, Rect::FromSize(116, 116, 50, 20)},
        {"at the right edge", {980, 100}, {50, 20}, Rect::FromSize(914, 116, 50, 20)},
        {"at the bottom edge", {100, 790}, {50, 20}, Rect::FromSize(116, 754, 50, 20)},
        {"wider than the area", {500, 100}, {1200, 20}, Rect::FromSize(0, 116, 1200, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceToolTip(c.size, c.pointer, area), c.expected);
    }
}

}  // namespace
}  // namespace toolkit::sdl
