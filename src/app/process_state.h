#pragma once

#include <string_view>

#include "platform/msg/types.h"

namespace app {

// Names shared with other instances of the program.
inline constexpr std::string_view kActivationMessageName = "OSTRIKAN_004";
inline constexpr std::string_view kInstanceLockName = "PELLOXDRVER1";

// The registered activation message, set once at start-up; background threads read it.
platform::msg::UINT ActivationMessage();
void SetActivationMessage(platform::msg::UINT message);

// The main window, set when it initialises; background threads post to it and set its timers.
platform::msg::HWND MainWindowHandle();
void SetMainWindowHandle(platform::msg::HWND hwnd);

}  // namespace app
