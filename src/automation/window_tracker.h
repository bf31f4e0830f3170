#pragma once

#include <memory>
#include <vector>

#include "automation/context.h"
#include "toolkit/core/host.h"

namespace automation {

// A window host in front of the real one that remembers every toolkit window while it exists,
// so the automation channel can list and address all of them (message boxes and menus too).
// Everything else is passed on unchanged. UI thread only, like the host itself.
class WindowTracker final : public toolkit::IWindowHost {
public:
    explicit WindowTracker(std::shared_ptr<toolkit::IWindowHost> inner);

    // Windows with a paint manager, oldest first (the main window is created first).
    std::vector<AutomationWindow> Windows() const;
    toolkit::IWindowHost& inner() const { return *inner_; }

    void AddWindow(toolkit::HWND hwnd, toolkit::CPaintManagerUI* manager, toolkit::HWND owner,
                   const std::string& title) override;
    void RemoveWindow(toolkit::HWND hwnd) override;
    toolkit::Rect GetWindowRect(toolkit::HWND hwnd) const override;
    void SetWindowRect(toolkit::HWND hwnd, const toolkit::Rect& rect) override;
    void ShowWindow(toolkit::HWND hwnd, int command) override;
    bool IsWindowVisible(toolkit::HWND hwnd) const override;
    bool IsIconic(toolkit::HWND hwnd) const override;
    bool IsZoomed(toolkit::HWND hwnd) const override;
    void SetTopMost(toolkit::HWND hwnd, bool topMost) override;
    bool IsTopMost(toolkit::HWND hwnd) const override;
    void Paint(toolkit::HWND hwnd) override;
    void SetModal(toolkit::HWND hwnd, bool modal) override;
    void ShowToolTip(toolkit::HWND hwnd, const std::string& text, toolkit::Point pointer) override;
    void HideToolTip(toolkit::HWND hwnd) override;
    toolkit::Rect GetWorkArea() const override;
    toolkit::Point GetCursorPos() const override;
    std::unique_ptr<toolkit::CTrayIcon> CreateTrayIcon() override;

private:
    std::shared_ptr<toolkit::IWindowHost> inner_;
    std::vector<AutomationWindow> windows_;
};

}  // namespace automation
