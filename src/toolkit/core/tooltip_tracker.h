#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/ui_types.h"

namespace toolkit {

class CControlUI;

// How long the pointer rests on a control before its tooltip shows.
inline constexpr uint32_t kToolTipDelayMs = 500;
// The window timer counting that delay; far above the timer ids programs choose.
inline constexpr platform::msg::UINT_PTR kToolTipTimer = 0x7001'7001;

// The tooltip of one window: the control the pointer rests on, the timer that delays its
// tooltip, and what the window host shows. UI thread of the window only.
class CToolTipTracker {
public:
    CToolTipTracker();
    ~CToolTipTracker();
    CToolTipTracker(const CToolTipTracker&) = delete;
    CToolTipTracker& operator=(const CToolTipTracker&) = delete;

    void SetWindow(HWND hwnd);

    // The pointer is over `control` (null: over none) at `point`, in window coordinates. A new
    // control starts the delay; moving within the same one changes nothing.
    void Track(CControlUI* control, Point point);
    // Input that dismisses the tooltip (a press, a key, the wheel): hidden, and not shown again
    // until the pointer moves to another control.
    void Dismiss();
    // Hidden and the control forgotten (the pointer left the window, the window is hidden or
    // going away, the control left the window).
    void Reset();
    void Forget(const CControlUI* control);
    // The tooltip text of `control` (null: of any control, as after a language change) may have
    // changed: a shown tooltip follows it.
    void TextChanged(const CControlUI* control);
    // The delay timer came due.
    void OnTimer();
    // The text shown now; empty when none is.
    const std::string& GetShownText() const { return shown_; }

    // A modal loop for `modal` starts / ends on the calling thread: the tooltips of the thread's
    // other windows are hidden, and they show none until it ends.
    static void ModalLoopStarts(HWND modal);
    static void ModalLoopEnds(HWND modal);

private:
    bool MayShow() const;
    void Show(const std::string& text, Point screenAt);
    void Hide();
    void ArmDelay();
    void KillDelay();

    HWND hwnd_;
    CControlUI* control_ = nullptr;
    Point point_;
    bool dismissed_ = false;
    bool delayArmed_ = false;
    std::string shown_;
    Point shownAt_;
};

}  // namespace toolkit
