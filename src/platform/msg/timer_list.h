#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/msg/types.h"

namespace platform::msg::detail {

// The timers of one thread. Not locked: the owning queue guards it. A handful of timers per
// window is the norm, so a flat vector scanned for the earliest due time is enough.
class TimerList {
public:
    struct Fired {
        HWND hwnd;
        UINT_PTR id;
    };

    // Starts the timer or re-arms an existing one with the new period, due one period from now.
    void Set(HWND hwnd, UINT_PTR id, uint64_t periodMs, uint64_t nowMs);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);

    // The due timer with the earliest due time (ties: the one armed first), rescheduled one
    // period after its due time, or one period after now when it is late by a period or more
    // (so a stall yields one tick, not a burst).
    std::optional<Fired> TakeDue(uint64_t nowMs);
    // Milliseconds until the next timer is due (0 when one is overdue); nullopt without timers.
    std::optional<uint64_t> TimeToNext(uint64_t nowMs) const;

private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        uint64_t periodMs;
        uint64_t dueMs;
        uint64_t armOrder;
    };
    static bool DueBefore(const Timer& a, const Timer& b);

    std::vector<Timer> timers_;
    uint64_t nextArmOrder_ = 0;
};

}  // namespace platform::msg::detail
