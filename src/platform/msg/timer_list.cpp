#include "platform/msg/timer_list.h"

#include <algorithm>

namespace platform::msg::detail {

void TimerList::Set(HWND hwnd, UINT_PTR id, uint64_t periodMs, uint64_t nowMs) {
    Timer armed{hwnd, id, periodMs, nowMs + periodMs, nextArmOrder_++};
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it != timers_.end()) {
        *it = armed;
    } else {
        timers_.push_back(armed);
    }
}

bool TimerList::Kill(HWND hwnd, UINT_PTR id) {
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerList::KillAll(HWND hwnd) {
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TimerList::DueBefore(const Timer& a, const Timer& b) {
    return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.armOrder < b.armOrder;
}

std::optional<TimerList::Fired> TimerList::TakeDue(uint64_t nowMs) {
    auto earliest = std::min_element(timers_.begin(), timers_.end(), DueBefore);
    if (earliest == timers_.end() || earliest->dueMs > nowMs) {
        return std::nullopt;
    }
    earliest->dueMs += earliest->periodMs;
    if (earliest->dueMs <= nowMs) {
        earliest->dueMs = nowMs + earliest->periodMs;
    }
    return Fired{earliest->hwnd, earliest->id};
}

std::optional<uint64_t> TimerList::TimeToNext(uint64_t nowMs) const {
    auto earliest = std::min_element(timers_.begin(), timers_.end(), DueBefore);
    if (earliest == timers_.end()) {
        return std::nullopt;
    }
    return earliest->dueMs > nowMs ? earliest->dueMs - nowMs : 0;
}

}  // namespace platform::msg::detail
