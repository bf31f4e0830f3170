#pragma once

#include <string>

#include "toolkit/core/paint_manager.h"
#include "toolkit/core/window.h"

namespace ui {

// The skin chooser: a frameless pop-up from "skin.xml" that drops down under the main window's
// skin button, right-aligned with it, and closes when it loses the keyboard focus. Choosing an
// entry changes nothing yet. The object owns itself and is deleted with its window.
class CSkinFrame final : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    // Null when the skin cannot be built (the object is then already gone).
    static CSkinFrame* Open(toolkit::HWND mainWindow, toolkit::CControlUI* skinButton);

    std::string GetWindowClassName() const override { return "UISkinFrame"; }
    void Notify(toolkit::TNotifyUI& msg) override;
    toolkit::CPaintManagerUI& GetPaintManager() { return pm_; }

protected:
    toolkit::LRESULT HandleMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                   toolkit::LPARAM lParam) override;
    toolkit::CPaintManagerUI* GetManager() override { return &pm_; }
    void OnFinalMessage(toolkit::HWND hwnd) override;

private:
    CSkinFrame(toolkit::HWND mainWindow, toolkit::CControlUI* skinButton)
        : mainWindow_(mainWindow), skinButton_(skinButton) {}
    ~CSkinFrame() override = default;
    toolkit::LRESULT OnCreate();

    toolkit::CPaintManagerUI pm_;
    toolkit::HWND mainWindow_;
    toolkit::CControlUI* skinButton_;
};

}  // namespace ui
