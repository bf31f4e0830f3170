#include "mouse/system_settings.h"

#include "mouse/performance.h"
#include "platform/shell/system_parameters.h"
#include "platform/sys/debug_output.h"

namespace mouse {

SystemSettingCalls::~SystemSettingCalls() {
    WaitAll();
}

void SystemSettingCalls::Start(std::function<void()> call) {
    JoinEnded();
    Call& entry = calls_.emplace_back();
    entry.thread.Start([this, &entry, call = std::move(call)](platform::sys::Event&) {
        call();
        std::lock_guard lock(mutex_);
        entry.done = true;
    });
}

void SystemSettingCalls::WaitAll() {
    for (Call& call : calls_) {
        call.thread.Join();
    }
    calls_.clear();
}

void SystemSettingCalls::JoinEnded() {
    std::lock_guard lock(mutex_);
    // A thread marked done has only its return left; joining it does not wait on the call.
    std::erase_if(calls_, [](Call& call) {
        if (!call.done) {
            return false;
        }
        call.thread.Join();
        return true;
    });
}

void ApplyPointerSpeed(MouseImage& image, SystemSettingCalls& calls) {
    image.pointerSpeed = ClampPointerSpeed(image.pointerSpeed);
    calls.Start([speed = image.pointerSpeed] {
        if (!platform::shell::SetPointerSpeed(speed)) {
            platform::sys::OutputDebugString("pointer speed not applied");
        }
    });
}

void ApplyDoubleClickTime(int setting, SystemSettingCalls& calls) {
    calls.Start([milliseconds = DoubleClickMilliseconds(setting)] {
        if (!platform::shell::SetDoubleClickTime(milliseconds)) {
            platform::sys::OutputDebugString("double-click time not applied");
        }
    });
}

void ApplyWheelLines(const MouseImage& image, SystemSettingCalls& calls) {
    calls.Start([lines = image.wheelLines] {
        if (!platform::shell::SetWheelScrollLines(lines)) {
            platform::sys::OutputDebugString("wheel lines not applied");
        }
    });
}

}  // namespace mouse
