#pragma once

#include "automation/context.h"
#include "automation/json.h"

namespace automation {

// "key": one key transition through the low-level keyboard hook chain and, unless a hook
// swallows it, on to the window, as the host delivers real keys. Throws RequestError.
Json RunKeyRequest(const AutomationContext& context, const Json& request);

}  // namespace automation
