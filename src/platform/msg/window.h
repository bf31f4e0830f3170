#pragma once

#include "platform/msg/types.h"

namespace platform::msg {

// Creates a window bound to the calling thread. WM_CREATE is sent before this returns; a result
// of -1 destroys the window again and the call returns a null handle.
HWND CreateWindow(WindowProc proc);

// Destroys a window of the calling thread (false for another thread's window or a dead handle).
// From this point on, posts, timers and other threads' sends to it fail or are dropped, and
// threads blocked sending to it are released with a failure; then WM_DESTROY and WM_NCDESTROY
// are sent to its procedure. The handle stays valid (IsWindow) until WM_NCDESTROY returns.
bool DestroyWindow(HWND hwnd);

bool IsWindow(HWND hwnd);

// The thread that created the window, or ThreadId::kNone for a dead handle.
ThreadId GetWindowThreadId(HWND hwnd);

// Default handling for messages a procedure does not handle: WM_CLOSE destroys the window;
// everything else returns 0.
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::msg
