#pragma once

#include <cstdint>

#include "platform/msg/types.h"

namespace platform::msg {

// Timers shorter than this are stretched to it, so that a zero period cannot spin the loop.
inline constexpr uint32_t kMinimumTimerMs = 10;

// Starts or re-arms (from now) the timer `id` of the window; callable from any thread. The
// window's thread then receives WM_TIMER with wParam = id each time it is due. Timer messages
// are generated when the queue has nothing else, so they never pile up: after a stall a timer
// fires once and is rescheduled from then on. Returns id, or 0 for a dead window.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, uint32_t elapseMs);

// Stops the timer; no WM_TIMER for it is retrieved afterwards. False when there was none.
bool KillTimer(HWND hwnd, UINT_PTR id);

}  // namespace platform::msg
