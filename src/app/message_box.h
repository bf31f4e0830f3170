#pragma once

#include <string_view>

#include "toolkit/core/ui_types.h"

namespace app {

// Shows the message window modally over `owner` and returns its result (1 confirmed, 0 other
// ways out). A non-empty text replaces the skin's; with `textIsKey` it is a language id.
toolkit::UINT ShowMessageBox(toolkit::HWND owner, std::string_view text, bool textIsKey = true);

// The "last device removed" notice: closes by itself about half a second after it opened.
toolkit::UINT ShowNoDeviceNotice(toolkit::HWND owner);

// The "no device connected" box, unless one is already open (a second request while it shows
// changes nothing). True when this call showed it.
bool ShowNoDeviceMessage(toolkit::HWND owner);

}  // namespace app
