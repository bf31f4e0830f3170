#include "toolkit/sdl/xembed_tray.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "toolkit/sdl/sdl_host.h"
#include "toolkit/sdl/x11_display.h"

namespace toolkit::sdl {

namespace {

constexpr int kIconSize = 24;
constexpr long kSystemTrayRequestDock = 0;
constexpr long kXEmbedMapped = 1;

// Always shown: a missing tray icon is something the user should be able to find out about.
void LogTray(const std::string& why) {
    std::fprintf(stderr, "kavrin: tray: %s; running without a tray icon\n", why.c_str());
}

::Window TrayOwner(Display* display) {
    std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, name.c_str(), False));
}

}  // namespace

XEmbedTrayIcon::XEmbedTrayIcon(std::weak_ptr<SdlHost> host) : host_(std::move(host)) {}

XEmbedTrayIcon::~XEmbedTrayIcon() {
    DeleteTrayIcon();
}

bool XEmbedTrayIcon::CreateTrayIcon(HWND hwnd, UINT iconId, std::string tip, UINT message) {
    DeleteTrayIcon();
    hwnd_ = hwnd;
    iconId_ = iconId;
    tip_ = std::move(tip);
    message_ = message != 0 ? message : kTrayMessage;
    auto host = host_.lock();
    X11Handles anchor = X11Of(host != nullptr ? host->GetAnchorWindow() : nullptr);
    if (anchor.display == nullptr) {
        LogTray("the display is not X11");
        return false;
    }
    ::Window owner = TrayOwner(anchor.display);
    if (owner == 0) {
        LogTray("no system tray on this desktop (nobody owns _NET_SYSTEM_TRAY_S" +
                std::to_string(DefaultScreen(anchor.display)) + ")");
        return false;
    }
    icon_ = SDL_CreateWindow(tip_.c_str(), 0, 0, kIconSize, kIconSize,
                             SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR);
    X11Handles icon = X11Of(icon_);
    if (icon.window == 0) {
        LogTray(std::string("icon window not created: ") + SDL_GetError());
        DeleteTrayIcon();
        return false;
    }
    Display* display = icon.display;
    Atom info = XInternAtom(display, "_XEMBED_INFO", False);
    long infoData[2] = {0, kXEmbedMapped};  // protocol version 0, map me
    XChangeProperty(display, icon.window, info, info, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(infoData), 2);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = owner;
    request.xclient.message_type = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = CurrentTime;
    request.xclient.data.l[1] = kSystemTrayRequestDock;
    request.xclient.data.l[2] = static_cast<long>(icon.window);
    XSendEvent(display, owner, False, NoEventMask, &request);
    XFlush(display);
    host->SetForeignHandler(SDL_GetWindowID(icon_),
                            [this](const SDL_Event& event) { OnEvent(event); });
    PaintIcon();
    return true;
}

void XEmbedTrayIcon::DeleteTrayIcon() {
    if (icon_ == nullptr) {
        return;
    }
    if (auto host = host_.lock()) {
        host->SetForeignHandler(SDL_GetWindowID(icon_), nullptr);
    }
    SDL_DestroyWindow(icon_);
    icon_ = nullptr;
}

void XEmbedTrayIcon::OnEvent(const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        PaintIcon();
    } else if (event.type == SDL_MOUSEBUTTONUP) {
        namespace m = platform::msg;
        if (event.button.button == SDL_BUTTON_LEFT) {
            m::PostMessage(hwnd_, message_, iconId_, m::WM_LBUTTONUP);
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            m::PostMessage(hwnd_, message_, iconId_, m::WM_RBUTTONUP);
        }
    }
}

void XEmbedTrayIcon::PaintIcon() {
    SDL_Surface* surface = icon_ != nullptr ? SDL_GetWindowSurface(icon_) : nullptr;
    if (surface == nullptr) {
        return;
    }
    // A plain mark in the program's colours; the tray scales the window to its slot.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x20, 0x20, 0x28));
    SDL_Rect mark{surface->w / 4, surface->h / 4, surface->w / 2, surface->h / 2};
    SDL_FillRect(surface, &mark, SDL_MapRGB(surface->format, 0xE0, 0x30, 0x30));
    SDL_UpdateWindowSurface(icon_);
}

}  // namespace toolkit::sdl
