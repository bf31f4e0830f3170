#pragma once

#include <cstdint>

#include "platform/msg/types.h"

namespace platform::input {

// Flag bits of KeyEvent::flags, as the low-level keyboard hook reports them.
inline constexpr uint32_t kKeyFlagExtended = 0x01;
inline constexpr uint32_t kKeyFlagReleased = 0x80;

// One key transition as the host saw it, in the terms the hook consumers use: the keyboard
// message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP), the Windows virtual-key code
// (left/right modifiers distinguished: 0xA0 … 0xA5), the PC/AT set-1 scan code and the flags.
struct KeyEvent {
    msg::UINT message = 0;
    uint32_t virtualKey = 0;
    uint32_t scanCode = 0;
    uint32_t flags = 0;
    uint32_t time = 0;  // milliseconds, GetTickCount style
    uintptr_t extraInfo = 0;

    bool IsPress() const { return (flags & kKeyFlagReleased) == 0; }
    bool IsExtended() const { return (flags & kKeyFlagExtended) != 0; }
};

// Builds the event of a press or release; `systemKey` (Alt held, or F10) selects the
// WM_SYS* messages.
KeyEvent MakeKeyEvent(bool press, bool systemKey, uint32_t virtualKey, uint32_t scanCode,
                      bool extended, uint32_t time);

}  // namespace platform::input
