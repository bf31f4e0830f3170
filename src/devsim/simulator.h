#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "devsim/sim_backend.h"
#include "devsim/sim_device.h"

namespace devsim {

struct PluggedDevice {
    DeviceKind kind = DeviceKind::kMouse;
    uint16_t productId = 0;  // 0: the model's first identity
};

// The three simulated devices and the HID backend over them. Devices exist from the start and
// keep their memory; `plugged` says which are plugged in at first.
class Simulator {
public:
    Simulator() = default;
    explicit Simulator(std::span<const PluggedDevice> plugged);
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    SimDevice& device(DeviceKind kind) { return *devices_[static_cast<size_t>(kind)]; }
    SimDevice& mouse() { return device(DeviceKind::kMouse); }
    SimDevice& keyboard() { return device(DeviceKind::kKeyboard); }
    SimDevice& pad() { return device(DeviceKind::kPad); }

    // For platform::hid::SetBackend; stays usable after the simulator is gone.
    std::shared_ptr<platform::hid::Backend> backend() const { return backend_; }

private:
    std::array<std::shared_ptr<SimDevice>, std::size(kAllDeviceKinds)> devices_ = {
        std::make_shared<SimDevice>(DeviceKind::kMouse),
        std::make_shared<SimDevice>(DeviceKind::kKeyboard),
        std::make_shared<SimDevice>(DeviceKind::kPad)};
    std::shared_ptr<SimBackend> backend_ =
        std::make_shared<SimBackend>(std::vector(devices_.begin(), devices_.end()));
};

// The device list of the `--simulate[=mouse,keyboard,pad]` option: names separated by commas,
// each optionally with ":" and a hexadecimal product id ("keyboard:0800"); an empty list plugs
// all three. Empty on an unknown name, an unknown product id or a repeated device.
std::optional<std::vector<PluggedDevice>> ParseSimulateList(std::string_view list);

}  // namespace devsim
