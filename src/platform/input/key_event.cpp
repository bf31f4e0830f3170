#include "platform/input/key_event.h"

#include "platform/msg/messages.h"

namespace platform::input {

KeyEvent MakeKeyEvent(bool press, bool systemKey, uint32_t virtualKey, uint32_t scanCode,
                      bool extended, uint32_t time) {
    KeyEvent event;
    if (systemKey) {
        event.message = press ? msg::WM_SYSKEYDOWN : msg::WM_SYSKEYUP;
    } else {
        event.message = press ? msg::WM_KEYDOWN : msg::WM_KEYUP;
    }
    event.virtualKey = virtualKey;
    event.scanCode = scanCode;
    event.flags = (extended ? kKeyFlagExtended : 0) | (press ? 0 : kKeyFlagReleased);
    event.time = time;
    return event;
}

}  // namespace platform::input
