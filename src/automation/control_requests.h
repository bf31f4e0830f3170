#pragma once

#include <optional>
#include <string_view>

#include "automation/context.h"
#include "automation/json.h"

namespace automation {

// Requests on windows and controls ("windows", "get", "click", "doubleclick", "rightclick",
// "hover", "leave", "focus", "killfocus", "select", "setvalue", "type", "settext", "tray",
// "menu", "screenshot"), carried out on the UI thread through the toolkit's input path.
// Returns the reply's members; throws RequestError. Null when `op` is not one of them.
std::optional<Json> RunControlRequest(const AutomationContext& context, std::string_view op,
                                      const Json& request);

}  // namespace automation
