#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/msg/clock.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/post.h"
#include "skin_fixture.h"
#include "toolkit/core/container.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/resource_manager.h"

namespace toolkit {
namespace {

using testing::SkinDir;
using testing::TestWindow;
namespace m = platform::msg;

constexpr const char* kMain = R"(<Window size="300,200"><Container name="root">
  <Button name="tipped" float="true" pos="10,10,110,40" tooltip="Save the profile"/>
  <Button name="resource" float="true" pos="120,10,220,40" tooltip="tip_save"
          resourcetooltip="true"/>
  <Button name="disabled" float="true" pos="10,50,110,80" tooltip="Not now" enabled="false"/>
  <Button name="plain" float="true" pos="120,50,220,80"/>
  </Container></Window>)";

constexpr const char* kDialog = R"(<Window size="100,60"><Container name="root">
  <Button name="dlg_tipped" float="true" pos="0,0,100,30" tooltip="In the dialog"/>
  </Container></Window>)";

constexpr const char* kLanguage = R"(<Language>
  <Text id="tip_save" value="Save everything"/><Text id="tip_other" value="Something else"/>
  </Language>)";

constexpr Point kOrigin{100, 50};
constexpr Point kInTipped{20, 20};
constexpr Point kInResource{130, 20};
constexpr Point kInDisabled{20, 60};
constexpr Point kInPlain{130, 60};

// A shown window on a headless host whose timers run on a manual clock.
class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        m::SetCurrentThreadClock(clock_);
        SetWindowHost(host_);
        skin_.Write("main.xml", kMain);
        skin_.Write("dlg.xml", kDialog);
        skin_.Write("lan_en.xml", kLanguage);
        ASSERT_TRUE(CResourceManager::GetInstance().LoadLanguage("lan_en.xml"));
        ASSERT_TRUE(window_.Create(HWND(), "main", 0, 0, kOrigin.x, kOrigin.y));
        window_.ShowWindow(true);
    }
    void TearDown() override {
        SetWindowHost(nullptr);
        m::SetCurrentThreadClock(std::make_shared<m::SteadyClock>());
    }

    CPaintManagerUI& Manager() { return window_.GetPaintManager(); }
    std::optional<CHeadlessHost::ToolTip> Shown(const TestWindow& window) const {
        return host_->GetToolTip(window.GetHWND());
    }
    std::optional<CHeadlessHost::ToolTip> Shown() const { return Shown(window_); }
    static Point OnScreen(Point inWindow) {
        return {kOrigin.x + inWindow.x, kOrigin.y + inWindow.y};
    }
    void Elapse(uint32_t ms) {
        clock_->Advance(ms);
        m::MSG msg;
        while (m::PeekMessage(msg)) {
            m::DispatchMessage(msg);
        }
    }
    // Rests the pointer at the point until a tooltip would have shown.
    void Rest(Point at) {
        Manager().OnMouseMove(at);
        Elapse(kToolTipDelayMs);
    }

    std::shared_ptr<m::ManualClock> clock_ = std::make_shared<m::ManualClock>();
    std::shared_ptr<CHeadlessHost> host_ = std::make_shared<CHeadlessHost>();
    SkinDir skin_;
    TestWindow window_{"main.xml"};
};

TEST_F(ToolTipTest, TheHoveredControlsToolTipShowsAfterTheDelayAtThePointer) {
    struct Case {
        const char* what;
        Point at;
        const char* expected;  // null: none shows
    } cases[] = {
        {"plain text", kInTipped, "Save the profile"},
        {"language id", kInResource, "Save everything"},
        {"disabled control", kInDisabled, "Not now"},
        {"no tooltip", kInPlain, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Manager().OnMouseLeaveWindow();
        Manager().OnMouseMove(c.at);
        Elapse(kToolTipDelayMs - 1);
        EXPECT_FALSE(Shown());
        Elapse(1);
        if (c.expected == nullptr) {
            EXPECT_FALSE(Shown());
            continue;
        }
        ASSERT_TRUE(Shown());
        EXPECT_EQ(Shown()->text, c.expected);
        EXPECT_EQ(Shown()->pointer, OnScreen(c.at));
        EXPECT_EQ(Manager().GetShownToolTip(), c.expected);
    }
}

TEST_F(ToolTipTest, MovingWithinTheControlNeitherRestartsTheDelayNorMovesTheTip) {
    Manager().OnMouseMove(kInTipped);
    Elapse(kToolTipDelayMs - 100);
    Manager().OnMouseMove({kInTipped.x + 30, kInTipped.y + 5});
    Elapse(100);
    ASSERT_TRUE(Shown());
    const Point shownAt = Shown()->pointer;
    EXPECT_EQ(shownAt, OnScreen({kInTipped.x + 30, kInTipped.y + 5}));
    Manager().OnMouseMove({kInTipped.x + 50, kInTipped.y + 8});
    Elapse(kToolTipDelayMs);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Shown()->pointer, shownAt);
}

TEST_F(ToolTipTest, InputLeavingOrHidingTakesTheTipAway) {
    struct Case {
        const char* what;
        std::function<void(TestWindow&)> act;
        bool showsAgainAfterResting;  // the pointer back on (or still on) the control
    } cases[] = {
        {"pointer to a control without tooltip",
         [](TestWindow& window) { window.GetPaintManager().OnMouseMove(kInPlain); }, true},
        {"pointer out of the window",
         [](TestWindow& window) { window.GetPaintManager().OnMouseLeaveWindow(); }, true},
        {"left press", [](TestWindow& window) { window.GetPaintManager().OnButtonDown(kInTipped); },
         false},
        {"right press",
         [](TestWindow& window) { window.GetPaintManager().OnRButtonDown(kInTipped); }, false},
        {"wheel",
         [](TestWindow& window) { window.GetPaintManager().OnMouseWheel(kInTipped, -120); }, false},
        {"key", [](TestWindow& window) { window.GetPaintManager().OnKeyDown(0x41); }, false},
        {"window hidden", [](TestWindow& window) { window.ShowWindow(false); }, false},
        {"control removed",
         [](TestWindow& window) {
             auto* root = static_cast<CContainerUI*>(window.GetPaintManager().GetRoot());
             root->Remove(window.FindControl("tipped"));
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window_.ShowWindow(true);
        Manager().OnMouseLeaveWindow();
        Rest(kInTipped);
        ASSERT_TRUE(Shown());
        c.act(window_);
        EXPECT_FALSE(Shown());
        EXPECT_EQ(Manager().GetShownToolTip(), "");
        Manager().OnButtonUp(kInTipped);
        Rest({kInTipped.x + 1, kInTipped.y});
        EXPECT_EQ(Shown().has_value(), c.showsAgainAfterResting);
    }
}

TEST_F(ToolTipTest, AShownTipFollowsTheTextOfItsControl) {
    CControlUI* resource = window_.FindControl("resource");
    Rest(kInResource);
    ASSERT_TRUE(Shown());
    const Point shownAt = Shown()->pointer;

    resource->SetToolTip("tip_other");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Shown()->text, "Something else");
    EXPECT_EQ(Shown()->pointer, shownAt);

    skin_.Write("lan_other.xml", R"(<Language><Text id="tip_other" value="Autre"/></Language>)");
    ASSERT_TRUE(CResourceManager::GetInstance().LoadLanguage("lan_other.xml"));
    CResourceManager::GetInstance().ReloadText();
    EXPECT_EQ(Shown()->text, "Autre");

    resource->SetToolTip("");
    EXPECT_FALSE(Shown());
    // A tooltip given while the pointer rests on the control shows after the delay.
    resource->SetToolTip("tip_save");
    EXPECT_FALSE(Shown());
    Elapse(kToolTipDelayMs);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Shown()->text, "tip_save");  // the new language has no text for it
}

TEST_F(ToolTipTest, AnotherWindowsModalLoopHidesTheTipAndShowsNone) {
    Rest(kInTipped);
    ASSERT_TRUE(Shown());
    TestWindow dialog("dlg.xml");
    ASSERT_TRUE(dialog.Create(window_.GetHWND(), "dialog", 0, 0, 400, 300));
    m::PostTask(dialog.GetHWND(), [&] {
        EXPECT_FALSE(Shown());
        Rest(kInResource);
        EXPECT_FALSE(Shown());
        // The modal window's own tooltips do show.
        dialog.GetPaintManager().OnMouseMove({10, 10});
        Elapse(kToolTipDelayMs);
        ASSERT_TRUE(Shown(dialog));
        EXPECT_EQ(Shown(dialog)->text, "In the dialog");
        dialog.Close(IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(), IDOK);
    EXPECT_FALSE(Shown(dialog));
    Rest(kInTipped);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Shown()->text, "Save the profile");
}

}  // namespace
}  // namespace toolkit
