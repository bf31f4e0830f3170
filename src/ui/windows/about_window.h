#pragma once

#include <string>

#include "toolkit/core/window.h"

namespace ui {

// The about window, built from "CopyRight.xml": "closebtn" closes it, "NetText" opens the
// maker's web site. Not modal; the object owns itself and is deleted with its window.
class Ccopyright final : public toolkit::WindowImplBase {
public:
    explicit Ccopyright(std::string skinFile = "CopyRight.xml") : skinFile_(std::move(skinFile)) {}

    // Creates the window owned by the main window and places it by AboutWindowPosition. Null
    // when the skin cannot be built (the object is then already gone).
    static Ccopyright* Open(toolkit::HWND mainWindow);

    std::string GetWindowClassName() const override { return "UICOPYRIGHT"; }
    std::string GetSkinFile() const override { return skinFile_; }
    void InitWindow() override;
    void Notify(toolkit::TNotifyUI& msg) override;

protected:
    void OnFinalMessage(toolkit::HWND hwnd) override;

private:
    ~Ccopyright() override = default;

    std::string skinFile_;
    toolkit::CControlUI* netText_ = nullptr;
};

// Where the about window opens: twice the main window's left edge, and half its bottom edge
// less 80 (the placement the product has always used, not a centring).
toolkit::Point AboutWindowPosition(const toolkit::Rect& mainWindow);

}  // namespace ui
