#pragma once

#include <functional>
#include <memory>

#include "platform/input/key_event.h"

namespace platform::input {

// Sees a key event before any window does; returns true to swallow it (no window and no
// later hook sees it).
using KeyboardHookProc = std::function<bool(const KeyEvent&)>;

namespace detail {
struct HookEntry;
}

// An installed low-level keyboard hook; uninstalls itself when destroyed. Install and
// dispatch happen on the UI thread (the host's input thread).
class KeyboardHook {
public:
    KeyboardHook() = default;
    ~KeyboardHook() { Uninstall(); }
    KeyboardHook(KeyboardHook&& other) noexcept = default;
    KeyboardHook& operator=(KeyboardHook&& other) noexcept;
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;

    bool IsInstalled() const { return entry_ != nullptr; }
    void Uninstall();

private:
    friend KeyboardHook InstallKeyboardHook(KeyboardHookProc proc);
    explicit KeyboardHook(std::shared_ptr<detail::HookEntry> entry) : entry_(std::move(entry)) {}

    std::shared_ptr<detail::HookEntry> entry_;
};

// Adds a hook in front of the chain: the newest hook sees events first, as with the system
// hook chain. A null proc installs nothing.
KeyboardHook InstallKeyboardHook(KeyboardHookProc proc);

// Runs the chain for one event (the host calls this for every key it receives). Hooks
// installed or removed by a hook while it runs take effect from the next event, except that a
// removed hook is never called again. True when a hook swallowed the event.
bool DispatchKeyEvent(const KeyEvent& event);

// Number of installed hooks.
int GetKeyboardHookCount();

}  // namespace platform::input
