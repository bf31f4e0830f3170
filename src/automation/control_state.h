#pragma once

#include "automation/json.h"

namespace toolkit {
class CControlUI;
}

namespace automation {

// Everything a test may ask of a control, as the reply of "get": the common state of every
// control plus what its kind adds (value range, selection, items). {"exists": false} for null.
Json DescribeControl(const toolkit::CControlUI* control);

// True when every member of `condition` equals the member of the same name in `state`
// (objects compared member by member, so a condition may name only part of one).
bool StateMatches(const Json& state, const Json& condition);

}  // namespace automation
