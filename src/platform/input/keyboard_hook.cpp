#include "platform/input/keyboard_hook.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform::input {

namespace detail {

struct HookEntry {
    KeyboardHookProc proc;
    bool removed = false;  // guarded by the chain's mutex
};

}  // namespace detail

namespace {

struct Chain {
    std::mutex mutex;
    std::vector<std::shared_ptr<detail::HookEntry>> hooks;  // newest first
};

Chain& GetChain() {
    static Chain chain;
    return chain;
}

}  // namespace

KeyboardHook& KeyboardHook::operator=(KeyboardHook&& other) noexcept {
    if (this != &other) {
        Uninstall();
        entry_ = std::move(other.entry_);
    }
    return *this;
}

void KeyboardHook::Uninstall() {
    if (entry_ == nullptr) {
        return;
    }
    Chain& chain = GetChain();
    std::lock_guard lock(chain.mutex);
    entry_->removed = true;
    std::erase(chain.hooks, entry_);
    entry_.reset();
}

KeyboardHook InstallKeyboardHook(KeyboardHookProc proc) {
    if (!proc) {
        return {};
    }
    auto entry = std::make_shared<detail::HookEntry>();
    entry->proc = std::move(proc);
    Chain& chain = GetChain();
    std::lock_guard lock(chain.mutex);
    chain.hooks.insert(chain.hooks.begin(), entry);
    return KeyboardHook(entry);
}

bool DispatchKeyEvent(const KeyEvent& event) {
    Chain& chain = GetChain();
    std::vector<std::shared_ptr<detail::HookEntry>> snapshot;
    {
        std::lock_guard lock(chain.mutex);
        snapshot = chain.hooks;
    }
    // Called without the lock: a hook may install or remove hooks, or send messages.
    for (const auto& entry : snapshot) {
        {
            std::lock_guard lock(chain.mutex);
            if (entry->removed) {
                continue;
            }
        }
        if (entry->proc(event)) {
            return true;
        }
    }
    return false;
}

int GetKeyboardHookCount() {
    Chain& chain = GetChain();
    std::lock_guard lock(chain.mutex);
    return static_cast<int>(chain.hooks.size());
}

}  // namespace platform::input
