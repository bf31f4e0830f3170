#pragma once

#include <functional>
#include <list>
#include <mutex>

#include "mouse/mouse_image.h"
#include "platform/sys/thread.h"

// The system's pointer speed, double-click time and wheel lines that the mouse's profiles carry.
// Each change is made on a short-lived thread of its own so that the UI never waits for it; two
// quick changes may land in either order.
namespace mouse {

class SystemSettingCalls {
public:
    SystemSettingCalls() = default;
    // Waits for the calls still running.
    ~SystemSettingCalls();
    SystemSettingCalls(const SystemSettingCalls&) = delete;
    SystemSettingCalls& operator=(const SystemSettingCalls&) = delete;

    // Runs the call on a new thread; threads of earlier calls that have ended are joined first.
    void Start(std::function<void()> call);
    // Waits for every call started so far (tests, shutdown).
    void WaitAll();

private:
    struct Call {
        platform::sys::StoppableThread thread;
        bool done = false;  // guarded by mutex_
    };
    void JoinEnded();

    std::mutex mutex_;
    std::list<Call> calls_;  // UI thread, except the done flags
};

// Brings the image's pointer speed into 1 … 20 (keeping the clamped value) and applies it.
void ApplyPointerSpeed(MouseImage& image, SystemSettingCalls& calls);
// Applies the double-click time of a setting 100 … 1100.
void ApplyDoubleClickTime(int setting, SystemSettingCalls& calls);
// Applies the image's wheel lines (1 … 100, or one screen).
void ApplyWheelLines(const MouseImage& image, SystemSettingCalls& calls);

}  // namespace mouse
