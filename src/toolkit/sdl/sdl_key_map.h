#pragma once

#include <SDL.h>

#include <optional>

#include "platform/input/key_event.h"

namespace toolkit::sdl {

// Windows virtual-key code, set-1 scan code and extended flag of a physical key.
struct KeyCodes {
    uint32_t virtualKey = 0;
    uint32_t scanCode = 0;
    bool extended = false;
};

// The key by its position (layout-independent, as the device key tables expect); nullopt for
// keys without a virtual-key code.
std::optional<KeyCodes> KeyCodesFromScancode(SDL_Scancode scancode);

// The hook's view of an SDL key event (nullopt for unknown keys). Alt held, Alt itself and F10
// give the WM_SYS* messages.
std::optional<platform::input::KeyEvent> KeyEventFromSdl(const SDL_KeyboardEvent& key);

// The code a window message carries: left/right modifier codes fold into VK_SHIFT, VK_CONTROL
// and VK_MENU, as window key messages report them.
uint32_t WindowVirtualKey(uint32_t virtualKey);

}  // namespace toolkit::sdl
