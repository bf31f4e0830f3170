#pragma once

#include "devsim/device_memory.h"
#include "devsim/protocol.h"

namespace devsim {

// What every device's firmware keeps between requests.
struct FirmwareState {
    DeviceMemory memory;
    bool sessionOpen = false;
};

// Carries out one request on the memory and builds the answer. The firmware does not insist on
// a session: the host writes parameters and key tables without one.
Report AnswerRequest(FirmwareState& state, const Report& request);

// The checksum is not enforced (the host's answers are not checked either); callers log it.
bool ChecksumMatches(const Report& request);

}  // namespace devsim
