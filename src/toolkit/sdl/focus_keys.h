#pragma once

#include <cstdint>

#include "toolkit/core/paint_manager.h"

namespace toolkit::sdl {

// Keys the host serves itself, before the window sees them: tab order, the clipboard of
// edits and the keyboard of menus.

// Controls that take the keyboard focus with Tab, in tree order.
bool IsTabStop(const CControlUI& control);
// The next tab stop after the focus (or the previous one), wrapping; null when none.
CControlUI* NextTabStop(CPaintManagerUI& manager, bool backwards);

// Ctrl+C, Ctrl+X, Ctrl+V (and Shift+Insert) on a focused edit. Edits hold no selection, so
// copy and cut take the whole text. True when the key was such a shortcut.
bool HandleEditClipboard(CPaintManagerUI& manager, uint32_t virtualKey, bool ctrl, bool shift);

// Return chooses the selected menu row (as a click would); true when handled.
bool ChooseMenuSelection(CPaintManagerUI& manager);

}  // namespace toolkit::sdl
