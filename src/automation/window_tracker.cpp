#include "automation/window_tracker.h"

#include <algorithm>

#include "toolkit/core/tray_icon.h"

namespace automation {

using toolkit::HWND;

WindowTracker::WindowTracker(std::shared_ptr<toolkit::IWindowHost> inner)
    : inner_(std::move(inner)) {}

std::vector<AutomationWindow> WindowTracker::Windows() const {
    return windows_;
}

void WindowTracker::AddWindow(HWND hwnd, toolkit::CPaintManagerUI* manager, HWND owner,
                              const std::string& title) {
    if (manager != nullptr) {
        windows_.push_back({hwnd, manager, title});
    }
    inner_->AddWindow(hwnd, manager, owner, title);
}

void WindowTracker::RemoveWindow(HWND hwnd) {
    std::erase_if(windows_, [hwnd](const AutomationWindow& window) { return window.hwnd == hwnd; });
    inner_->RemoveWindow(hwnd);
}

toolkit::Rect WindowTracker::GetWindowRect(HWND hwnd) const {
    return inner_->GetWindowRect(hwnd);
}

void WindowTracker::SetWindowRect(HWND hwnd, const toolkit::Rect& rect) {
    inner_->SetWindowRect(hwnd, rect);
}

void WindowTracker::ShowWindow(HWND hwnd, int command) {
    inner_->ShowWindow(hwnd, command);
}

bool WindowTracker::IsWindowVisible(HWND hwnd) const {
    return inner_->IsWindowVisible(hwnd);
}

bool WindowTracker::IsIconic(HWND hwnd) const {
    return inner_->IsIconic(hwnd);
}

bool WindowTracker::IsZoomed(HWND hwnd) const {
    return inner_->IsZoomed(hwnd);
}

void WindowTracker::SetTopMost(HWND hwnd, bool topMost) {
    inner_->SetTopMost(hwnd, topMost);
}

bool WindowTracker::IsTopMost(HWND hwnd) const {
    return inner_->IsTopMost(hwnd);
}

void WindowTracker::Paint(HWND hwnd) {
    inner_->Paint(hwnd);
}

void WindowTracker::SetModal(HWND hwnd, bool modal) {
    inner_->SetModal(hwnd, modal);
}

void WindowTracker::ShowToolTip(HWND hwnd, const std::string& text, toolkit::Point pointer) {
    inner_->ShowToolTip(hwnd, text, pointer);
}

void WindowTracker::HideToolTip(HWND hwnd) {
    inner_->HideToolTip(hwnd);
}

toolkit::Rect WindowTracker::GetWorkArea() const {
    return inner_->GetWorkArea();
}

toolkit::Point WindowTracker::GetCursorPos() const {
    return inner_->GetCursorPos();
}

std::unique_ptr<toolkit::CTrayIcon> WindowTracker::CreateTrayIcon() {
    return inner_->CreateTrayIcon();
}

}  // namespace automation
