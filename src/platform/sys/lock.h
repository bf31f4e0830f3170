#pragma once

#include <mutex>

namespace platform::sys {

// A re-entrant lock: the owning thread may take it again (the device links' transfer lock).
using ReentrantLock = std::recursive_mutex;
using LockGuard = std::lock_guard<ReentrantLock>;

}  // namespace platform::sys
