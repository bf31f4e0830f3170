#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/window.h"
#include "ui/windows/live_instances.h"

namespace ui {

// The timer that closes a notice box on its first tick.
inline constexpr platform::msg::UINT_PTR kMessageAutoCloseTimer = 1;

// The message window of every message box, built from the skin resource "XML_MSG". Its modal
// result is 1 for "confirm_btn" and 0 for "cancel_btn", "closebtn" and the auto-close timer.
// The object owns itself: it is deleted when its window is destroyed.
class CMsgWnd final : public toolkit::WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "MsgWnd"; }
    std::string GetSkinFile() const override { return "XML_MSG"; }
    void InitWindow() override;
    void OnTimer(platform::msg::UINT_PTR id);

    // The message windows alive now, oldest first.
    static const std::vector<CMsgWnd*>& OpenWindows() { return LiveInstance<CMsgWnd>::All(); }

protected:
    void OnClick(toolkit::TNotifyUI& msg) override;
    toolkit::LRESULT HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                         toolkit::LPARAM lParam, bool& handled) override;
    void OnFinalMessage(toolkit::HWND hwnd) override;

private:
    ~CMsgWnd() override = default;

    toolkit::CControlUI* closeButton_ = nullptr;
    int32_t ticks_ = 0;
    LiveInstance<CMsgWnd> live_{this};
};

}  // namespace ui
