#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "toolkit/core/tray_icon.h"

namespace toolkit::sdl {

class SdlHost;

// The tray icon on an X11 desktop through the XEmbed system-tray protocol: a small SDL window
// that the tray (the owner of the _NET_SYSTEM_TRAY_S<screen> selection) embeds. Its button-up
// events reach the window as the tray message with WM_LBUTTONUP / WM_RBUTTONUP in lParam.
// Where no tray runs, CreateTrayIcon logs one line and returns false.
class XEmbedTrayIcon final : public CTrayIcon {
public:
    explicit XEmbedTrayIcon(std::weak_ptr<SdlHost> host);
    ~XEmbedTrayIcon() override;
    XEmbedTrayIcon(const XEmbedTrayIcon&) = delete;
    XEmbedTrayIcon& operator=(const XEmbedTrayIcon&) = delete;

    bool CreateTrayIcon(HWND hwnd, UINT iconId, std::string tip, UINT message = 0) override;
    void DeleteTrayIcon() override;
    bool IsShown() const override { return icon_ != nullptr; }
    const std::string& GetToolTip() const override { return tip_; }

    // The embedded window (tests click it).
    SDL_Window* GetIconWindow() const { return icon_; }

private:
    void OnEvent(const SDL_Event& event);
    void PaintIcon();

    std::weak_ptr<SdlHost> host_;
    SDL_Window* icon_ = nullptr;
    HWND hwnd_;
    UINT iconId_ = 0;
    UINT message_ = kTrayMessage;
    std::string tip_;
};

}  // namespace toolkit::sdl
