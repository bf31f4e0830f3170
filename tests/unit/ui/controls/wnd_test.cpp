#include "ui/controls/wnd.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/msg/window.h"
#include "toolkit/core/host.h"
#include "toolkit/core/paint_manager.h"

namespace ui {
namespace {

using toolkit::HWND;

constexpr HWND kPaintWindow{7};
constexpr HWND kChild{8};
constexpr HWND kPopup{9};

class FakePlacement : public HostedWindowPlacement {
public:
    struct Placed {
        HWND window;
        toolkit::Rect rect;
        bool shown;
        friend bool operator==(const Placed&, const Placed&) = default;
    };

    bool IsWindow(HWND window) const override { return window == kChild || window == kPopup; }
    bool IsChild(HWND parent, HWND window) const override {
        return parent == kPaintWindow && window == kChild;
    }
    toolkit::Point ScreenOrigin(HWND window) const override {
        return window == kPaintWindow ? toolkit::Point{100, 200} : toolkit::Point{};
    }
    void Place(HWND window, const toolkit::Rect& rect, bool show) override {
        placed.push_back({window, rect, show});
    }

    std::vector<Placed> placed;
};

class WndTest : public ::testing::Test {
protected:
    WndTest() {
        manager_.Init(kPaintWindow);
        auto wnd = std::make_unique<CWndUI>();
        wnd_ = wnd.get();
        manager_.AttachDialog(std::move(wnd));
    }

    toolkit::CPaintManagerUI manager_;
    CWndUI* wnd_;
    FakePlacement placement_;
};

TEST_F(WndTest, WithoutAHostedWindowStaysInert) {
    wnd_->SetPos({1, 2, 3, 4});
    wnd_->SetVisible(false);
    EXPECT_EQ(wnd_->GetClass(), "Wnd");

    wnd_->Attach(HWND{99}, &placement_);  // not a window
    wnd_->SetPos({1, 2, 3, 4});
    EXPECT_TRUE(placement_.placed.empty());
}

TEST_F(WndTest, FollowsPositionAndVisibility) {
    const toolkit::Rect pos{10, 20, 110, 70};
    wnd_->SetPos(pos);
    wnd_->Attach(kChild, &placement_);
    wnd_->SetVisible(false);
    wnd_->SetVisible(true);
    wnd_->SetInternVisible(false);
    using P = FakePlacement::Placed;
    EXPECT_EQ(
        placement_.placed,
        (std::vector<P>{
            {kChild, pos, true}, {kChild, pos, false}, {kChild, pos, true}, {kChild, pos, false}}));

    // A window that is not a child of the paint window is placed in screen coordinates.
    placement_.placed.clear();
    wnd_->SetInternVisible(true);
    wnd_->Attach(kPopup, &placement_);
    EXPECT_EQ(placement_.placed.back(), (P{kPopup, pos.Offset(100, 200), true}));
}

// Without a placement of its own the control moves a toolkit window through the window host.
TEST(WndHostTest, PlacesAToolkitWindowInScreenCoordinates) {
    const auto proc = [](HWND hwnd, platform::msg::UINT message, platform::msg::WPARAM wParam,
                         platform::msg::LPARAM lParam) {
        return platform::msg::DefWindowProc(hwnd, message, wParam, lParam);
    };
    const HWND paintWindow = platform::msg::CreateWindow(proc);
    const HWND hosted = platform::msg::CreateWindow(proc);
    toolkit::IWindowHost& host = toolkit::GetWindowHost();
    host.AddWindow(paintWindow, nullptr, {}, "main");
    host.AddWindow(hosted, nullptr, paintWindow, "hosted");
    host.SetWindowRect(paintWindow, {100, 200, 900, 772});
    {
        toolkit::CPaintManagerUI manager;
        manager.Init(paintWindow);
        auto owned = std::make_unique<CWndUI>();
        CWndUI* wnd = owned.get();
        manager.AttachDialog(std::move(owned));
        wnd->SetPos({10, 20, 110, 70});
        wnd->Attach(hosted);
        EXPECT_EQ(host.GetWindowRect(hosted), (toolkit::Rect{110, 220, 210, 270}));
        EXPECT_TRUE(host.IsWindowVisible(hosted));
        wnd->SetVisible(false);
        EXPECT_FALSE(host.IsWindowVisible(hosted));
    }
    host.RemoveWindow(hosted);
    host.RemoveWindow(paintWindow);
    platform::msg::DestroyWindow(hosted);
    platform::msg::DestroyWindow(paintWindow);
}

}  // namespace
}  // namespace ui
