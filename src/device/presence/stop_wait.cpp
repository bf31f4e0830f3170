#include "device/presence/stop_wait.h"

namespace device {

bool StopRequested(platform::sys::Event& stop, uint32_t waitMs) {
    return platform::sys::WaitForSingleObject(stop, waitMs) != platform::sys::kWaitTimeout;
}

}  // namespace device
