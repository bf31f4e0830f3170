#pragma once

#include <string_view>

namespace platform::sys {

// Name of the environment variable that turns diagnostics on (any non-empty value but "0").
inline constexpr const char* kDebugOutputVariable = "KAVRIN_DEBUG";

// Diagnostics for developers: one UTF-8 line to standard error when enabled, silent otherwise.
void OutputDebugString(std::string_view text);
bool DebugOutputEnabled();

}  // namespace platform::sys
