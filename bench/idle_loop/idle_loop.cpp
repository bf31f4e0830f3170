// Measures the CPU an idle UI thread costs: a message loop whose only work is a periodic
// timer, as the main window's repaint timer leaves it when nothing changes.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "platform/msg/window.h"

namespace {

using namespace platform::msg;

struct Options {
    double seconds = 10.0;
    uint32_t periodMs = 50;
    double goalPercent = 0.5;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string_view name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--seconds") {
            options.seconds = std::atof(value);
        } else if (name == "--period") {
            options.periodMs = static_cast<uint32_t>(std::atoi(value));
        } else if (name == "--goal") {
            options.goalPercent = std::atof(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.seconds > 0 && options.periodMs > 0;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kEndTimer = 2;

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--seconds S] [--period MS] [--goal PERCENT]\n", argv[0]);
        return 2;
    }
    long ticks = 0;
    HWND window = CreateWindow([&ticks](HWND hwnd, UINT message, WPARAM id, LPARAM) -> LRESULT {
        if (message == WM_TIMER && id == kTickTimer) {
            ++ticks;
        } else if (message == WM_TIMER && id == kEndTimer) {
            KillTimer(hwnd, kTickTimer);
            KillTimer(hwnd, kEndTimer);
            PostQuitMessage(0);
        }
        return 0;
    });
    SetTimer(window, kTickTimer, options.periodMs);
    SetTimer(window, kEndTimer, static_cast<uint32_t>(options.seconds * 1000));

    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    RunMessageLoop();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = CpuSeconds() - cpuBefore;
    DestroyWindow(window);

    const double percent = 100.0 * cpu / wall;
    std::printf("idle loop: %.2f s, %ld ticks of a %u ms timer (expected about %.0f)\n", wall,
                ticks, options.periodMs, options.seconds * 1000 / options.periodMs);
    std::printf("CPU: %.4f s user+sys = %.3f %% of one core (goal < %.2f %%)\n", cpu, percent,
                options.goalPercent);
    return percent < options.goalPercent ? 0 : 1;
}
