#pragma once

#include <SDL.h>

#include <atomic>
#include <functional>

#include "platform/msg/waiter.h"

namespace toolkit::sdl {

// The UI thread's loop sleeps in SDL_WaitEventTimeout, so window-system input, posted and sent
// messages and timers share one wait. Wake pushes a registered SDL user event (at most one in
// flight); every other SDL event goes to the handler, which turns it into posted messages.
// SDL's own wait blocks on the display connection, so an idle loop costs nothing.
class SdlWaiter final : public platform::msg::Waiter {
public:
    using EventHandler = std::function<void(const SDL_Event&)>;
    // Runs before each wait (the host syncs text input and flushes the screen there).
    using BeforeWait = std::function<void()>;

    // SDL's event subsystem must be initialised on the calling thread.
    SdlWaiter(EventHandler handler, BeforeWait beforeWait = {});

    void Wait(uint32_t timeoutMs) override;
    void Wake() override;

private:
    void Handle(const SDL_Event& event);

    Uint32 wakeEvent_;
    std::atomic<bool> wakePending_{false};
    EventHandler handler_;
    BeforeWait beforeWait_;
};

}  // namespace toolkit::sdl
