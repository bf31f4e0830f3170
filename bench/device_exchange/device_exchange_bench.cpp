// Cost of device exchanges against the simulated mouse: one parameter read, and the full read
// the program runs when the mouse arrives. Reports exchanges per second of wall time and the
// process CPU time spent per exchange (host and simulated firmware together).
#include <benchmark/benchmark.h>

#include <ctime>
#include <vector>

#include "device/commands.h"
#include "device/interface_scan.h"
#include "devsim/simulator.h"

namespace {

using device::DeviceLink;

double ProcessCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// A simulator with the mouse plugged in and a link connected to it.
class SimulatedMouse {
public:
    SimulatedMouse() {
        platform::hid::SetBackend(sim_.backend());
        device::AssignIdentity(link, device::kMouseIdentity);
        DeviceLink second;
        device::AssignIdentity(second, device::kSecondMouseIdentity);
        platform::hid::EnumerateHidPaths(link.hid.paths);
        link.connected =
            device::OpenConfigInterface(link.hid, device::MouseConfigInterface(link, second));
    }

    size_t Exchanges() { return sim_.mouse().log().size(); }
    void ClearLog() { sim_.mouse().ClearLog(); }

    DeviceLink link;

private:
    static constexpr devsim::PluggedDevice kMouseOnly[] = {{devsim::DeviceKind::kMouse, 0}};
    devsim::Simulator sim_{kMouseOnly};
};

template <typename Body>
void Measure(benchmark::State& state, SimulatedMouse& mouse, Body body) {
    if (!mouse.link.connected) {
        state.SkipWithError("simulated mouse not found");
        return;
    }
    size_t exchanges = 0;
    const double cpuStart = ProcessCpuMicroseconds();
    for (auto _ : state) {
        mouse.ClearLog();
        body();
        exchanges += mouse.Exchanges();
    }
    const double cpuUsed = ProcessCpuMicroseconds() - cpuStart;
    state.counters["exchanges_per_s"] =
        benchmark::Counter(static_cast<double>(exchanges), benchmark::Counter::kIsRate);
    state.counters["cpu_us_per_exchange"] =
        exchanges ? cpuUsed / static_cast<double>(exchanges) : 0;
}

void BM_ReadParamsExchange(benchmark::State& state) {
    SimulatedMouse mouse;
    std::vector<uint8_t> record(56);
    Measure(state, mouse,
            [&] { benchmark::DoNotOptimize(device::ReadParams(mouse.link, 0, record)); });
}
BENCHMARK(BM_ReadParamsExchange)->UseRealTime();

// Session, information block, default table, five key tables, end of session (whose fixed
// 10 ms pause dominates the wall time).
void BM_FullMouseRead(benchmark::State& state) {
    SimulatedMouse mouse;
    std::array<uint8_t, device::kDeviceInfoSize> info{};
    std::vector<uint8_t> table(device::kDefaultTransferLength);
    Measure(state, mouse, [&] {
        device::BeginSession(mouse.link);
        device::ReadDeviceInfo(mouse.link, info);
        device::ReadDefaultTable(mouse.link, table);
        for (unsigned index = 0; index <= device::kLastKeyTableIndex; ++index) {
            device::ReadKeyTable(mouse.link, table, index);
        }
        device::EndSession(mouse.link);
    });
}
BENCHMARK(BM_FullMouseRead)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
