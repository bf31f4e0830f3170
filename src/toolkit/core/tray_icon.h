#pragma once

#include <string>

#include "toolkit/core/ui_types.h"

namespace toolkit {

// Default message of tray mouse events (WM_USER + 1); lParam carries the mouse message.
inline constexpr UINT kTrayMessage = 0x0400 + 1;

// The program's icon in the desktop tray.
class CTrayIcon {
public:
    virtual ~CTrayIcon() = default;
    // Shows the icon for the window; message 0 means kTrayMessage.
    virtual bool CreateTrayIcon(HWND hwnd, UINT iconId, std::string tip, UINT message = 0) = 0;
    virtual void DeleteTrayIcon() = 0;
    virtual bool IsShown() const = 0;
    virtual const std::string& GetToolTip() const = 0;
};

// A tray icon without a desktop: it remembers its state, and Click delivers a mouse message
// the way the desktop would (tests and headless runs).
class CHeadlessTrayIcon final : public CTrayIcon {
public:
    ~CHeadlessTrayIcon() override { DeleteTrayIcon(); }
    bool CreateTrayIcon(HWND hwnd, UINT iconId, std::string tip, UINT message = 0) override;
    void DeleteTrayIcon() override { shown_ = false; }
    bool IsShown() const override { return shown_; }
    const std::string& GetToolTip() const override { return tip_; }

    // Posts the tray message with the mouse message (e.g. 514 left button up) in lParam.
    bool Click(UINT mouseMessage) const;

private:
    HWND hwnd_;
    UINT iconId_ = 0;
    UINT message_ = kTrayMessage;
    std::string tip_;
    bool shown_ = false;
};

}  // namespace toolkit
