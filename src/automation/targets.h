#pragma once

#include "automation/context.h"
#include "automation/json.h"

namespace toolkit {
class CControlUI;
}

namespace automation {

// The window a request addresses with "window" (name or handle number; the first window when
// absent). Throws RequestError when there is none.
AutomationWindow ResolveWindow(const AutomationContext& context, const Json& request);
// The control named by the request's "name" in its window; throws RequestError when missing.
toolkit::CControlUI* ResolveControl(const AutomationWindow& window, const Json& request);
// The reply of "windows": handle, name, title, visibility and size of each window.
Json ListWindows(const AutomationContext& context);

}  // namespace automation
