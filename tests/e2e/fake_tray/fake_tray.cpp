// A minimal XEmbed system tray for the end-to-end tests: it owns _NET_SYSTEM_TRAY_S<screen>,
// docks every icon that asks into a 32 x 32 slot of its panel and prints JSON lines: "tray"
// once it owns the selection, then "docked" with the screen centre of each icon's slot.
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kPanelX = 900;
constexpr int kPanelY = 700;
constexpr int kSlot = 32;
constexpr long kRequestDock = 0;

}  // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::printf("{\"type\":\"error\",\"message\":\"no display\"}\n");
        return 3;
    }
    int screen = DefaultScreen(display);
    Window panel = XCreateSimpleWindow(display, RootWindow(display, screen), kPanelX, kPanelY,
                                       kSlot * 4, kSlot, 0, 0, 0x808080);
    XMapWindow(display, panel);
    std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    XSetSelectionOwner(display, XInternAtom(display, selection.c_str(), False), panel, CurrentTime);
    XSync(display, False);
    std::printf("{\"type\":\"tray\"}\n");
    std::fflush(stdout);
    Atom opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    int docked = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ClientMessage || event.xclient.message_type != opcode ||
            event.xclient.data.l[1] != kRequestDock) {
            continue;
        }
        auto icon = static_cast<Window>(event.xclient.data.l[2]);
        int slotX = docked++ * kSlot;
        XReparentWindow(display, icon, panel, slotX, 0);
        XResizeWindow(display, icon, kSlot, kSlot);
        XMapRaised(display, icon);
        XSync(display, False);
        std::printf("{\"type\":\"docked\",\"x\":%d,\"y\":%d}\n", kPanelX + slotX + kSlot / 2,
                    kPanelY + kSlot / 2);
        std::fflush(stdout);
    }
}
