#include "toolkit/sdl/x11_display.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>

namespace toolkit::sdl {

X11Handles X11Of(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return {};
    }
    return {info.info.x11.display, info.info.x11.window};
}

std::optional<SDL_Point> QueryX11Pointer(SDL_Window* anyWindow) {
    X11Handles x11 = X11Of(anyWindow);
    if (x11.display == nullptr) {
        return std::nullopt;
    }
    ::Window root = 0;
    ::Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(x11.display, x11.window, &root, &child, &rootX, &rootY, &windowX, &windowY,
                       &mask)) {
        return std::nullopt;
    }
    return SDL_Point{rootX, rootY};
}

bool HasWindowManager(SDL_Window* anyWindow) {
    X11Handles x11 = X11Of(anyWindow);
    if (x11.display == nullptr) {
        return false;
    }
    Atom check = XInternAtom(x11.display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(x11.display, DefaultRootWindow(x11.display), check, 0, 1, False,
                                    XA_WINDOW, &type, &format, &count, &remaining, &data);
    if (data != nullptr) {
        XFree(data);
    }
    return status == Success && type == XA_WINDOW && count == 1;
}

bool MapWithoutFocus(SDL_Window* window) {
    X11Handles x11 = X11Of(window);
    if (x11.display == nullptr) {
        return false;
    }
    XMapRaised(x11.display, x11.window);
    XFlush(x11.display);
    return true;
}

}  // namespace toolkit::sdl
