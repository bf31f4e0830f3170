#include "toolkit/core/tooltip_tracker.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "platform/msg/window.h"
#include "toolkit/core/control.h"
#include "toolkit/core/host.h"

namespace toolkit {

namespace m = platform::msg;

namespace {

// Every tracker of the process, so that a modal loop can reach those of its thread's windows.
// Trackers of other threads are only looked at (their window), never changed.
struct Registry {
    std::mutex lock;
    std::vector<CToolTipTracker*> trackers;
};

Registry& Trackers() {
    static Registry registry;
    return registry;
}

// The windows whose modal loops run on this thread, innermost last.
thread_local std::vector<HWND> modalWindows;

}  // namespace

CToolTipTracker::CToolTipTracker() {
    Registry& registry = Trackers();
    std::lock_guard hold(registry.lock);
    registry.trackers.push_back(this);
}

CToolTipTracker::~CToolTipTracker() {
    Reset();
    Registry& registry = Trackers();
    std::lock_guard hold(registry.lock);
    std::erase(registry.trackers, this);
}

void CToolTipTracker::SetWindow(HWND hwnd) {
    Reset();
    std::lock_guard hold(Trackers().lock);
    hwnd_ = hwnd;
}

void CToolTipTracker::Track(CControlUI* control, Point point) {
    point_ = point;
    if (control == control_) {
        return;
    }
    Reset();
    control_ = control;
    if (control_ != nullptr && !control_->GetToolTip().empty()) {
        ArmDelay();
    }
}

void CToolTipTracker::Dismiss() {
    Hide();
    KillDelay();
    dismissed_ = control_ != nullptr;
}

void CToolTipTracker::Reset() {
    Hide();
    KillDelay();
    control_ = nullptr;
    dismissed_ = false;
}

void CToolTipTracker::Forget(const CControlUI* control) {
    if (control != nullptr && control == control_) {
        Reset();
    }
}

void CToolTipTracker::TextChanged(const CControlUI* control) {
    if (control_ == nullptr || dismissed_ || (control != nullptr && control != control_)) {
        return;
    }
    std::string text = control_->GetToolTip();
    if (text.empty()) {
        Hide();
        KillDelay();
    } else if (!shown_.empty()) {
        if (text != shown_) {
            Show(text, shownAt_);  // in place: only the text changes
        }
    } else if (!delayArmed_) {
        ArmDelay();
    }
}

void CToolTipTracker::OnTimer() {
    KillDelay();
    if (control_ == nullptr || dismissed_ || !control_->IsVisible() || !MayShow()) {
        return;
    }
    std::string text = control_->GetToolTip();
    if (!text.empty()) {
        Point origin = GetWindowHost().GetWindowRect(hwnd_).TopLeft();
        Show(text, {origin.x + point_.x, origin.y + point_.y});
    }
}

bool CToolTipTracker::MayShow() const {
    const IWindowHost& host = GetWindowHost();
    if (!hwnd_ || !host.IsWindowVisible(hwnd_) || host.IsIconic(hwnd_)) {
        return false;
    }
    return modalWindows.empty() || modalWindows.back() == hwnd_;
}

void CToolTipTracker::Show(const std::string& text, Point screenAt) {
    shown_ = text;
    shownAt_ = screenAt;
    GetWindowHost().ShowToolTip(hwnd_, shown_, shownAt_);
}

void CToolTipTracker::Hide() {
    if (!shown_.empty()) {
        shown_.clear();
        GetWindowHost().HideToolTip(hwnd_);
    }
}

void CToolTipTracker::ArmDelay() {
    if (hwnd_) {
        delayArmed_ = m::SetTimer(hwnd_, kToolTipTimer, kToolTipDelayMs) != 0;
    }
}

void CToolTipTracker::KillDelay() {
    if (delayArmed_) {
        delayArmed_ = false;
        m::KillTimer(hwnd_, kToolTipTimer);
    }
}

void CToolTipTracker::ModalLoopStarts(HWND modal) {
    modalWindows.push_back(modal);
    Registry& registry = Trackers();
    std::lock_guard hold(registry.lock);
    const m::ThreadId self = m::GetCurrentThreadId();
    for (CToolTipTracker* tracker : registry.trackers) {
        if (tracker->hwnd_ && tracker->hwnd_ != modal &&
            m::GetWindowThreadId(tracker->hwnd_) == self) {
            tracker->Reset();
        }
    }
}

void CToolTipTracker::ModalLoopEnds(HWND modal) {
    auto last = std::find(modalWindows.rbegin(), modalWindows.rend(), modal);
    if (last != modalWindows.rend()) {
        modalWindows.erase(std::next(last).base());
    }
}

}  // namespace toolkit
