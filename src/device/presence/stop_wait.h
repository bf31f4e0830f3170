#pragma once

#include <cstdint>

#include "platform/sys/event.h"

namespace device {

// The pause of a background thread: true when the stop event came (at once or during the wait),
// so a thread never sleeps through its own stop.
bool StopRequested(platform::sys::Event& stop, uint32_t waitMs = 0);

}  // namespace device
