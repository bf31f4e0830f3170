#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/core/window.h"

namespace toolkit::testing {

// A temporary skin folder that the resource manager points at for the test's lifetime.
class SkinDir {
public:
    SkinDir();
    ~SkinDir();
    SkinDir(const SkinDir&) = delete;
    SkinDir& operator=(const SkinDir&) = delete;

    void Write(const std::string& name, const std::string& content) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A window built from a skin file that records the notifications it receives as
// "type:sender" and lets tests hook messages, notifications and custom elements.
class TestWindow : public WindowImplBase {
public:
    explicit TestWindow(std::string skin) : skin_(std::move(skin)) {}

    std::string GetWindowClassName() const override { return "TestWnd"; }
    std::string GetSkinFile() const override { return skin_; }
    void Notify(TNotifyUI& msg) override;
    std::unique_ptr<CControlUI> CreateControl(std::string_view className) override;
    using WindowImplBase::FindControl;

    std::vector<std::string> received;
    std::function<void(TNotifyUI&)> onNotify;
    std::function<bool(UINT, WPARAM, LPARAM)> onMessage;
    std::map<std::string, std::function<std::unique_ptr<CControlUI>()>> customElements;

protected:
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    std::string skin_;
};

// Wraps controls in a window skin of the given size.
std::string WindowSkin(const std::string& body, int width = 400, int height = 300);

// Fails the test and quits the loop if a message loop test runs longer than this.
inline constexpr uint32_t kReaperMs = 5000;

}  // namespace toolkit::testing
