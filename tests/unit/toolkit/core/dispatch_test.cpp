#include <gtest/gtest.h>

#include "platform/msg/message_loop.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "skin_fixture.h"
#include "toolkit/core/container.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/test_driver.h"

namespace toolkit {
namespace {

using testing::SkinDir;
using testing::TestWindow;

class CountingNotifier : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        seen.push_back(msg.type + ":" + (msg.sender != nullptr ? msg.sender->GetName() : ""));
        if (onNotify) {
            onNotify(msg);
        }
    }
    std::vector<std::string> seen;
    std::function<void(TNotifyUI&)> onNotify;
};

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.Write("main.xml", testing::WindowSkin(R"(<VerticalLayout name="root">
            <Button name="btn" height="20"/><CheckBox name="chk" height="20"/>
            <List name="lst" height="40"><ListLabelElement name="row0" text="a"/></List>
            <Button name="other" height="20"/></VerticalLayout>)"));
        ASSERT_TRUE(window_.Create(HWND(), "test", 0, 0));
        window_.GetPaintManager().AddNotifier(&second_);
    }

    void RemoveSender(TNotifyUI& msg) {
        auto* parent = dynamic_cast<CContainerUI*>(msg.sender->GetParent());
        ASSERT_NE(parent, nullptr);
        EXPECT_TRUE(parent->Remove(msg.sender));
    }

    SkinDir skin_;
    TestWindow window_{"main.xml"};
    CountingNotifier second_;
    CTestDriver driver_{window_.GetPaintManager()};
};

// A handler destroying the control whose notification it handles: the rest of the dispatch
// is skipped and nothing touches the freed control (ASan checks the latter).
TEST_F(DispatchTest, HandlerDestroyingItsSenderEndsTheDispatchSafely) {
    for (const char* name : {"btn", "chk", "row0"}) {
        SCOPED_TRACE(name);
        const char* type = std::string_view(name) == "row0" ? "itemclick" : "click";
        window_.onNotify = [&](TNotifyUI& msg) {
            if (msg.type == type && msg.sender->GetName() == name) {
                RemoveSender(msg);
            }
        };
        second_.seen.clear();
        ASSERT_TRUE(driver_.Click(driver_.Find(name)));
        EXPECT_EQ(driver_.Find(name), nullptr);
        EXPECT_EQ(
            std::count(second_.seen.begin(), second_.seen.end(), std::string(type) + ":" + name),
            0);
    }
    // The window still works afterwards.
    window_.onNotify = nullptr;
    second_.seen.clear();
    EXPECT_TRUE(driver_.Click("other"));
    EXPECT_EQ(second_.seen.back(), "click:other");
}

// The same when code (not input) triggers the notification, outside any input dispatch.
TEST_F(DispatchTest, ProgrammaticSelectionWhoseHandlerDestroysTheList) {
    window_.onNotify = [&](TNotifyUI& msg) {
        if (msg.type == "itemselect") {
            RemoveSender(msg);
        }
    };
    auto* list = dynamic_cast<CListUI*>(driver_.Find("lst"));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->SelectItem(0));
    EXPECT_EQ(driver_.Find("lst"), nullptr);
    EXPECT_EQ(driver_.Find("row0"), nullptr);
}

TEST_F(DispatchTest, NotifiersRemovedDuringDispatchAreSkipped) {
    CountingNotifier third;
    window_.GetPaintManager().AddNotifier(&third);
    second_.onNotify = [&](TNotifyUI&) { window_.GetPaintManager().RemoveNotifier(&third); };
    ASSERT_TRUE(driver_.Click("btn"));
    EXPECT_FALSE(second_.seen.empty());
    EXPECT_TRUE(third.seen.empty());
}

TEST_F(DispatchTest, WindowInitComesFirstAndOnce) {
    ASSERT_TRUE(driver_.Click("btn"));
    window_.GetPaintManager().SendWindowInit();
    ASSERT_FALSE(window_.received.empty());
    EXPECT_EQ(window_.received.front(), "windowinit:root");
    EXPECT_EQ(std::count(window_.received.begin(), window_.received.end(), "windowinit:root"), 1);
}

TEST(PostedNotify, EmbeddedContentIsAnnouncedAfterWindowInit) {
    SkinDir skin;
    skin.Write("main.xml", testing::WindowSkin(R"(<VerticalLayout name="root">
        <ActiveX name="ani_flash" height="20"/></VerticalLayout>)"));
    TestWindow window("main.xml");
    ASSERT_TRUE(window.Create(HWND(), "test", 0, 0));
    // The timer only wakes the loop so that the deadline is seen.
    platform::msg::SetTimer(window.GetHWND(), 1, testing::kReaperMs);
    uint64_t deadline = platform::sys::GetTickCount64() + testing::kReaperMs;
    platform::msg::RunModalLoop(
        [&] { return window.received.size() >= 2 || platform::sys::GetTickCount64() > deadline; });
    EXPECT_EQ(window.received,
              (std::vector<std::string>{"windowinit:root", "showactivex:ani_flash"}));
}

TEST(NotifyPump, VirtualWindowsReceiveTheirControlsNotifications) {
    struct Pump : CNotifyPump {
        void HandleNotify(TNotifyUI& msg) override { seen.push_back(msg.type); }
        std::vector<std::string> seen;
    } window, page;
    ASSERT_TRUE(window.AddVirtualWnd("mainpage", &page));
    EXPECT_FALSE(window.AddVirtualWnd("mainpage", &page));
    TNotifyUI routed;
    routed.type = "click";
    routed.virtualWnd = "mainpage";
    TNotifyUI own;
    own.type = "selectchanged";
    window.NotifyPump(routed);
    window.NotifyPump(own);
    EXPECT_EQ(page.seen, std::vector<std::string>{"click"});
    EXPECT_EQ(window.seen, std::vector<std::string>{"selectchanged"});
    EXPECT_TRUE(window.RemoveVirtualWnd("mainpage"));
    window.NotifyPump(routed);
    EXPECT_EQ(window.seen.back(), "click");
}

TEST(NotifyPump, ControlsMarkedWithAVirtualWindowCarryItsName) {
    SkinDir skin;
    skin.Write("main.xml", testing::WindowSkin(R"(<VerticalLayout name="root">
        <HorizontalLayout virtualwnd="mainpage" height="20"><Button name="btn"/></HorizontalLayout>
        </VerticalLayout>)"));
    TestWindow window("main.xml");
    ASSERT_TRUE(window.Create(HWND(), "test", 0, 0));
    std::string routedTo;
    window.onNotify = [&](TNotifyUI& msg) {
        if (msg.type == "click") {
            routedTo = msg.virtualWnd;
        }
    };
    ASSERT_TRUE(CTestDriver(window.GetPaintManager()).Click("btn"));
    EXPECT_EQ(routedTo, "mainpage");
}

}  // namespace
}  // namespace toolkit
