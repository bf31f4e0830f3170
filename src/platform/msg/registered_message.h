#pragma once

#include <string_view>

#include "platform/msg/types.h"

namespace platform::msg {

// Returns the process-wide message number for the name, in kRegisteredMessageFirst ..
// kRegisteredMessageLast; the same name (compared without regard to ASCII case) always yields
// the same number. 0 for an empty name or when the range is used up.
UINT RegisterWindowMessage(std::string_view name);

}  // namespace platform::msg
