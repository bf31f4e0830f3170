#include "platform/msg/clock.h"

#include "platform/sys/clock.h"

namespace platform::msg {

uint64_t SteadyClock::NowMs() const {
    return sys::GetTickCount64();
}

}  // namespace platform::msg
