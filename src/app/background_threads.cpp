#include "app/background_threads.h"

#include "app/device_hub.h"
#include "platform/sys/clock.h"

namespace app {

namespace sys = platform::sys;

std::span<const ThreadSpec> ProgramThreads() {
    // Slots in start order: 0 keyboard, 1 mouse and 2 mousepad presence monitors (a 20 ms pause
    // after the keyboard's), 3 mouse and 4 keyboard sync threads, 5-8 lighting previews, 9-13
    // process watchers. Each subsystem adds its entries here as it is built.
    static const std::vector<ThreadSpec> table(DeviceThreads().begin(), DeviceThreads().end());
    return table;
}

std::string_view StopOutcomeText(StopOutcome outcome) {
    switch (outcome) {
        case StopOutcome::kAllEnded:
            return "所有对象处于激发状态\n";
        case StopOutcome::kTimeout:
            return "所有对象处于非激发状态，超时\n";
        case StopOutcome::kError:
            break;
    }
    return "错误\n";
}

BackgroundThreads::~BackgroundThreads() {
    if (!threads_.empty()) {
        Stop();
    }
}

void BackgroundThreads::Start(platform::msg::HWND mainWindow, std::span<const ThreadSpec> table) {
    stopEvents_.clear();
    for (size_t i = 0; i < kStopEventCount; ++i) {
        stopEvents_.push_back(std::make_shared<sys::Event>(sys::ResetMode::kManual));
    }
    for (size_t i = 0; i < table.size() && i < kStopEventCount; ++i) {
        const ThreadSpec& entry = table[i];
        auto done = std::make_shared<sys::Event>(sys::ResetMode::kManual);
        ThreadContext context{mainWindow, stopEvents_[i]};
        std::thread thread([body = entry.body, context, done] {
            body(context);
            done->Set();
        });
        threads_.push_back({std::move(thread), std::move(done)});
        if (entry.pauseAfterMs > 0) {
            sys::Sleep(entry.pauseAfterMs);
        }
    }
}

StopOutcome BackgroundThreads::Stop(uint32_t limitMs) {
    for (const auto& event : stopEvents_) {
        event->Set();
    }
    const uint64_t deadline = sys::GetTickCount64() + limitMs;
    StopOutcome outcome = StopOutcome::kAllEnded;
    for (Running& running : threads_) {
        const uint64_t now = sys::GetTickCount64();
        const auto left = static_cast<uint32_t>(now < deadline ? deadline - now : 0);
        const uint32_t result = sys::WaitForSingleObject(*running.done, left);
        if (result == sys::kWaitTimeout) {
            outcome = StopOutcome::kTimeout;
            break;
        }
        if (result != sys::kWaitObject0) {
            outcome = StopOutcome::kError;
            break;
        }
    }
    for (Running& running : threads_) {
        if (running.done->IsSet()) {
            running.thread.join();
        } else {
            running.thread.detach();  // past the limit: the process ends without it
        }
    }
    threads_.clear();
    return outcome;
}

}  // namespace app
