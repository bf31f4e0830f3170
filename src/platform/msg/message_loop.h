#pragma once

#include <functional>
#include <memory>

#include "platform/msg/clock.h"
#include "platform/msg/types.h"
#include "platform/msg/waiter.h"

namespace platform::msg {

// Replaces how the calling thread's loop sleeps (default: MakeDefaultWaiter()).
void SetCurrentThreadWaiter(std::unique_ptr<Waiter> waiter);
// Replaces the clock of the calling thread's timers (default: a SteadyClock). Set it before
// starting timers; running timers keep due times taken from the old clock.
void SetCurrentThreadClock(std::shared_ptr<const Clock> clock);

// Makes the calling thread's GetMessage return false (WM_QUIT, wParam = code) as soon as no
// posted message is waiting. Timers wait behind it.
void PostQuitMessage(int exitCode);

// Waits for and removes the next message of the calling thread. Messages sent from other
// threads are handled inside (they never appear in msg). Order: posted messages and tasks,
// then the quit request, then due timers. Returns false for WM_QUIT. When a call outside any
// modal loop retrieves WM_QUIT, the thread's loop counts as ended: threads waiting in
// SendMessage to it are released with a failure until GetMessage is called again.
bool GetMessage(MSG& msg);

// Like GetMessage but never waits: false when nothing is ready now.
bool PeekMessage(MSG& msg);

// Hands a retrieved message to its window procedure (or runs its task). Messages for windows
// destroyed meanwhile are dropped (returns 0). Thread messages without a task are ignored.
LRESULT DispatchMessage(const MSG& msg);

// GetMessage / DispatchMessage until WM_QUIT; returns the quit code.
int RunMessageLoop();

enum class ModalEnd {
    kEnded,       // EndModal was called, or the done predicate became true
    kWindowGone,  // the modal window was destroyed
    kQuit,        // WM_QUIT arrived; it has been posted again for the enclosing loop
};

struct ModalOutcome {
    ModalEnd end;
    LRESULT result;  // EndModal's result, else 0
};

// Nested loop serving every message and timer of the thread until EndModal(hwnd, ...) or the
// window is destroyed. EndModal followed by DestroyWindow still ends it with kEnded and the
// result, as a dialog that closes itself expects.
ModalOutcome RunModalLoop(HWND hwnd);
// Nested loop until done() is true; done is checked before each wait and after each message.
ModalOutcome RunModalLoop(const std::function<bool()>& done);
// Tells whoever watches the calling thread that a modal loop for a window starts, as long as the
// watch lives: someone driving the program from outside learns that its action opened a modal
// window. Create and destroy on the thread it watches; watches may nest.
class ModalLoopWatch {
public:
    explicit ModalLoopWatch(std::function<void(HWND)> started);
    ~ModalLoopWatch();
    ModalLoopWatch(const ModalLoopWatch&) = delete;
    ModalLoopWatch& operator=(const ModalLoopWatch&) = delete;

private:
    std::function<void(HWND)> started_;
    friend ModalOutcome RunModalLoop(HWND hwnd);
};

// Ends the modal loop running for hwnd (on the calling thread); if none runs yet, the next one
// for hwnd ends at once.
void EndModal(HWND hwnd, LRESULT result);

}  // namespace platform::msg
