#include "platform/msg/waiter.h"

namespace platform::msg {

void EventFdWaiter::Wait(uint32_t timeoutMs) {
    sys::WaitForSingleObject(wake_, timeoutMs);
}

void EventFdWaiter::Wake() {
    wake_.Set();
}

std::unique_ptr<Waiter> MakeDefaultWaiter() {
    return std::make_unique<EventFdWaiter>();
}

}  // namespace platform::msg
