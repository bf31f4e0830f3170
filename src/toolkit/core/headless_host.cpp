#include "toolkit/core/headless_host.h"

#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/render/surface.h"

namespace toolkit {

CHeadlessHost::CHeadlessHost(Rect workArea) : workArea_(workArea) {}

const CHeadlessHost::NativeWindow* CHeadlessHost::Find(HWND hwnd) const {
    auto found = windows_.find(hwnd);
    return found != windows_.end() ? &found->second : nullptr;
}

CHeadlessHost::NativeWindow* CHeadlessHost::Find(HWND hwnd) {
    auto found = windows_.find(hwnd);
    return found != windows_.end() ? &found->second : nullptr;
}

void CHeadlessHost::AddWindow(HWND hwnd, CPaintManagerUI* manager, HWND owner,
                              const std::string& title) {
    NativeWindow& window = windows_[hwnd];
    window.manager = manager;
    window.owner = owner;
    window.title = title;
}

void CHeadlessHost::RemoveWindow(HWND hwnd) {
    windows_.erase(hwnd);
}

Rect CHeadlessHost::GetWindowRect(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr ? window->rect : Rect{};
}

void CHeadlessHost::SetWindowRect(HWND hwnd, const Rect& rect) {
    NativeWindow* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    bool resized = window->rect.GetSize() != rect.GetSize();
    window->rect = rect;
    if (resized) {
        LPARAM size = (static_cast<LPARAM>(rect.Height() & 0xFFFF) << 16) | (rect.Width() & 0xFFFF);
        platform::msg::SendMessage(hwnd, platform::msg::WM_SIZE, 0, size);
    }
}

void CHeadlessHost::ShowWindow(HWND hwnd, int command) {
    NativeWindow* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    switch (command) {
        case SW_HIDE:
            window->visible = false;
            window->toolTip.reset();
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
            window->toolTip.reset();
            window->minimized = true;
            window->visible = window->visible || command == SW_SHOWMINIMIZED;
            break;
        case SW_MAXIMIZE:
            if (!window->maximized) {
                window->restoreRect = window->rect;
                window->maximized = true;
                SetWindowRect(hwnd, workArea_);
            }
            window->minimized = false;
            window->visible = true;
            break;
        case SW_RESTORE:
        case SW_SHOWNORMAL:
            window->visible = true;
            if (window->minimized) {
                window->minimized = false;
            } else if (window->maximized) {
                window->maximized = false;
                SetWindowRect(hwnd, window->restoreRect);
            }
            break;
        default:  // SW_SHOW, SW_SHOWNOACTIVATE
            window->visible = true;
            break;
    }
}

bool CHeadlessHost::IsWindowVisible(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr && window->visible;
}

bool CHeadlessHost::IsIconic(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr && window->minimized;
}

bool CHeadlessHost::IsZoomed(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr && window->maximized;
}

void CHeadlessHost::SetTopMost(HWND hwnd, bool topMost) {
    if (NativeWindow* window = Find(hwnd)) {
        window->topMost = topMost;
    }
}

bool CHeadlessHost::IsTopMost(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr && window->topMost;
}

void CHeadlessHost::Paint(HWND hwnd) {
    // Nothing is shown, so nothing is drawn until someone asks for a picture.
    NativeWindow* window = Find(hwnd);
    if (window != nullptr && window->manager != nullptr) {
        window->manager->Validate();
    }
}

void CHeadlessHost::ShowToolTip(HWND hwnd, const std::string& text, Point pointer) {
    if (NativeWindow* window = Find(hwnd)) {
        window->toolTip = ToolTip{text, pointer};
    }
}

void CHeadlessHost::HideToolTip(HWND hwnd) {
    if (NativeWindow* window = Find(hwnd)) {
        window->toolTip.reset();
    }
}

std::optional<CHeadlessHost::ToolTip> CHeadlessHost::GetToolTip(HWND hwnd) const {
    const NativeWindow* window = Find(hwnd);
    return window != nullptr ? window->toolTip : std::nullopt;
}

std::unique_ptr<CTrayIcon> CHeadlessHost::CreateTrayIcon() {
    return std::make_unique<CHeadlessTrayIcon>();
}

const std::string& CHeadlessHost::GetTitle(HWND hwnd) const {
    static const std::string kNone;
    const NativeWindow* window = Find(hwnd);
    return window != nullptr ? window->title : kNone;
}

bool CHeadlessHost::RenderToPng(HWND hwnd, const std::string& path) {
    NativeWindow* window = Find(hwnd);
    if (window == nullptr || window->manager == nullptr || window->rect.IsEmpty()) {
        return false;
    }
    Size size = window->rect.GetSize();
    // The picture has the window's physical pixels: logical size times the DPI factor.
    int dpi = window->manager->GetDPI();
    render::Surface surface(size.cx * dpi / 96, size.cy * dpi / 96);
    surface.Clear(0xFFFFFFFF);
    images_.SetResourceRoot(CResourceManager::GetInstance().GetResourcePath());
    render::CairoCanvas canvas(surface, images_, dpi / 96.0);
    Rect all = Rect::FromSize(0, 0, size.cx, size.cy);
    window->manager->Paint(canvas, &all);
    return surface.WriteToPng(path);
}

namespace {

std::shared_ptr<IWindowHost>& HostSlot() {
    static std::shared_ptr<IWindowHost> host = std::make_shared<CHeadlessHost>();
    return host;
}

}  // namespace

IWindowHost& GetWindowHost() {
    return *HostSlot();
}

void SetWindowHost(std::shared_ptr<IWindowHost> host) {
    HostSlot() = host != nullptr ? std::move(host) : std::make_shared<CHeadlessHost>();
}

}  // namespace toolkit
