#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/msg/types.h"
#include "platform/sys/event.h"

namespace app {

// One stop event per thread slot, and one more that belongs to no thread.
inline constexpr size_t kStopEventCount = 15;
inline constexpr uint32_t kStopLimitMs = 10000;

// What a background thread gets: the window it reports to and its stop event (manual reset).
// The event is shared, so a thread that outlives the stop limit never touches freed memory.
struct ThreadContext {
    platform::msg::HWND mainWindow;
    std::shared_ptr<platform::sys::Event> stop;
};

struct ThreadSpec {
    std::string_view name;
    std::function<void(const ThreadContext&)> body;
    uint32_t pauseAfterMs = 0;  // the start-up waits this long before the next thread
};

// The program's background threads in start order; entry i runs with stop event i.
std::span<const ThreadSpec> ProgramThreads();

enum class StopOutcome { kAllEnded, kTimeout, kError };
// The diagnostics line of each outcome.
std::string_view StopOutcomeText(StopOutcome outcome);

// The stop events and threads of the main window.
class BackgroundThreads {
public:
    BackgroundThreads() = default;
    // Stops whatever still runs, within the usual limit.
    ~BackgroundThreads();
    BackgroundThreads(const BackgroundThreads&) = delete;
    BackgroundThreads& operator=(const BackgroundThreads&) = delete;

    // Creates the stop events (cleared) and starts the threads of the table in order. At most
    // kStopEventCount entries are used.
    void Start(platform::msg::HWND mainWindow, std::span<const ThreadSpec> table);
    // Signals every stop event and waits for the started threads, at most limitMs in all.
    // Threads still running then are let go.
    StopOutcome Stop(uint32_t limitMs = kStopLimitMs);

    size_t StartedCount() const { return threads_.size(); }

private:
    struct Running {
        std::thread thread;
        std::shared_ptr<platform::sys::Event> done;
    };

    std::vector<std::shared_ptr<platform::sys::Event>> stopEvents_;
    std::vector<Running> threads_;
};

}  // namespace app
