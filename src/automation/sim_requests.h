#pragma once

#include "automation/json.h"

namespace devsim {
class Simulator;
}

namespace automation {

// Requests on the simulated devices ("plug", "unplug", "notice", "memory", "log", "clearlog",
// "fault", "clearfaults"). Returns the reply's members; throws RequestError. Null when `op` is
// not one of them.
std::optional<Json> RunSimulatorRequest(devsim::Simulator* simulator, std::string_view op,
                                        const Json& request);

}  // namespace automation
