#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "devsim/simulator.h"

namespace app {

// True when one of the paths belongs to one of our devices (by vendor and product id).
bool HasKnownDevice(std::span<const std::string> paths);

// Installs this run's HID backend: the simulator with the listed devices when given, else
// hidraw; when hidraw finds none of our devices, the simulator with all three devices, saying so
// on standard output. Returns the simulator in use, if any (it must outlive the run).
std::unique_ptr<devsim::Simulator> InstallDeviceBackend(
    const std::optional<std::vector<devsim::PluggedDevice>>& simulate);

}  // namespace app
