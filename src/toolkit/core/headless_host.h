#pragma once

#include <map>
#include <optional>
#include <string>

#include "toolkit/core/host.h"
#include "toolkit/render/image_cache.h"

namespace toolkit {

// Windows without a display: the host keeps their geometry and state in memory and can render
// any of them to a PNG file.
class CHeadlessHost final : public IWindowHost {
public:
    explicit CHeadlessHost(Rect workArea = {0, 0, 1920, 1080});

    void AddWindow(HWND hwnd, CPaintManagerUI* manager, HWND owner,
                   const std::string& title) override;
    void RemoveWindow(HWND hwnd) override;
    Rect GetWindowRect(HWND hwnd) const override;
    void SetWindowRect(HWND hwnd, const Rect& rect) override;
    void ShowWindow(HWND hwnd, int command) override;
    bool IsWindowVisible(HWND hwnd) const override;
    bool IsIconic(HWND hwnd) const override;
    bool IsZoomed(HWND hwnd) const override;
    void SetTopMost(HWND hwnd, bool topMost) override;
    bool IsTopMost(HWND hwnd) const override;
    void Paint(HWND hwnd) override;
    void ShowToolTip(HWND hwnd, const std::string& text, Point pointer) override;
    void HideToolTip(HWND hwnd) override;
    Rect GetWorkArea() const override { return workArea_; }
    Point GetCursorPos() const override { return cursor_; }
    std::unique_ptr<CTrayIcon> CreateTrayIcon() override;

    void SetCursorPos(Point point) { cursor_ = point; }
    struct ToolTip {
        std::string text;
        Point pointer;  // screen coordinates, as given to ShowToolTip
    };
    // The tooltip the window shows now, if any.
    std::optional<ToolTip> GetToolTip(HWND hwnd) const;
    const std::string& GetTitle(HWND hwnd) const;
    // Paints the whole window with cairo and writes it as PNG; false when it cannot.
    bool RenderToPng(HWND hwnd, const std::string& path);

private:
    struct NativeWindow {
        CPaintManagerUI* manager = nullptr;
        HWND owner;
        std::string title;
        Rect rect;
        bool visible = false;
        bool minimized = false;
        bool maximized = false;
        bool topMost = false;
        Rect restoreRect;
        std::optional<ToolTip> toolTip;
    };
    const NativeWindow* Find(HWND hwnd) const;
    NativeWindow* Find(HWND hwnd);

    Rect workArea_;
    Point cursor_;
    std::map<HWND, NativeWindow> windows_;
    render::ImageCache images_;
};

}  // namespace toolkit
