#pragma once

#include <cstdint>

#include "device/device_link.h"
#include "device/device_report.h"

namespace device {

inline constexpr int kExchangeAttempts = 4;
inline constexpr uint32_t kAnswerTimeoutMs = 300;

// One request written and one answer read, with retries when no answer comes. Returns
// kResultSuccess with the answer filled (its status is the command's to judge),
// kResultNoAnswer when not connected (nothing is touched) or after the last attempt, or
// kResultWriteFailed at once when a write fails.
int Exchange(DeviceLink& link, const DeviceReport& request, DeviceReport& answer);

}  // namespace device
