#include "toolkit/sdl/sdl_waiter.h"

#include <algorithm>
#include <climits>

#include "platform/sys/event.h"

namespace toolkit::sdl {

SdlWaiter::SdlWaiter(EventHandler handler, BeforeWait beforeWait)
    : wakeEvent_(SDL_RegisterEvents(1)),
      handler_(std::move(handler)),
      beforeWait_(std::move(beforeWait)) {}

void SdlWaiter::Wait(uint32_t timeoutMs) {
    if (beforeWait_) {
        beforeWait_();
    }
    int timeout = timeoutMs == platform::sys::kInfinite
                      ? -1
                      : static_cast<int>(std::min<uint32_t>(timeoutMs, INT_MAX));
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, timeout) == 0) {
        return;
    }
    Handle(event);
    // Take the whole batch, so that one wake-up serves a burst of input.
    while (SDL_PollEvent(&event) != 0) {
        Handle(event);
    }
}

void SdlWaiter::Wake() {
    if (wakePending_.exchange(true, std::memory_order_acq_rel)) {
        return;  // one in flight wakes the loop for every post made before it is taken
    }
    SDL_Event event{};
    event.type = wakeEvent_;
    if (SDL_PushEvent(&event) < 0) {
        wakePending_.store(false, std::memory_order_release);
    }
}

void SdlWaiter::Handle(const SDL_Event& event) {
    if (event.type == wakeEvent_) {
        wakePending_.store(false, std::memory_order_release);
    } else if (handler_) {
        handler_(event);
    }
}

}  // namespace toolkit::sdl
