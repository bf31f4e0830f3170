#pragma once

#include <optional>

#include "platform/msg/types.h"

namespace platform::msg {

// The calling thread's queue id (creates the queue on first use).
ThreadId GetCurrentThreadId();

// Queues a message for the window's thread; callable from any thread. False (and nothing
// queued) when the window is destroyed or being destroyed.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Queues a message without a window (MSG::hwnd is null) for a thread that has a queue.
bool PostThreadMessage(ThreadId thread, UINT message, WPARAM wParam, LPARAM lParam);

// Queues a closure, run on the window's thread in order with posted messages. A task for a
// window is dropped if the window is destroyed before its turn.
bool PostTask(HWND hwnd, Task task);
bool PostTask(ThreadId thread, Task task);

// Calls the window procedure and returns its result. On the window's own thread this is a
// direct call. From another thread the caller blocks until the window's thread handles it
// (the caller meanwhile serves messages sent to its own windows, so two threads sending to each
// other cannot dead-lock). Returns nullopt, never blocking for good, when the window is dead or
// being destroyed, or when its thread's message loop has ended or ends while the caller waits.
std::optional<LRESULT> TrySendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// TrySendMessage with 0 for failure, as callers that ignore the outcome expect.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::msg
