#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/msg/types.h"

namespace devsim {
class Simulator;
}
namespace toolkit {
class CPaintManagerUI;
class CTrayIcon;
}  // namespace toolkit

namespace automation {

// One window that requests can address: by its name (the paint manager's, i.e. the window
// class) or by its handle's number.
struct AutomationWindow {
    platform::msg::HWND hwnd;
    toolkit::CPaintManagerUI* manager = nullptr;
    std::string title;
};

// What the requests reach. Every function is called on the UI thread, for each request anew,
// so windows that come and go are always seen as they are now.
struct AutomationContext {
    // The program's windows; the first is the one requests without "window" address.
    std::function<std::vector<AutomationWindow>()> windows;
    // The program's tray icon, or null; may be left empty.
    std::function<toolkit::CTrayIcon*()> trayIcon;
    // The simulated devices; null when the program drives real ones. Must outlive the channel.
    devsim::Simulator* simulator = nullptr;
};

}  // namespace automation
