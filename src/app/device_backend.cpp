#include "app/device_backend.h"

#include <cstdio>

#include "device/device_link.h"
#include "device/path_identity.h"
#include "platform/hid/hid_backend.h"
#include "platform/hid/hidraw_backend.h"

namespace app {

namespace {

struct KnownId {
    uint16_t vendorId;
    uint16_t productId;
};
// Every identity the links and scans accept, including the keyboard's other models.
constexpr KnownId kKnownIds[] = {
    {device::kKeyboardIdentity.vendorId, device::kKeyboardIdentity.productId},
    {device::kKeyboardIdentity.vendorId, 0x0800},
    {device::kKeyboardIdentity.vendorId, 0x7200},
    {device::kMouseIdentity.vendorId, device::kMouseIdentity.productId},
    {device::kSecondMouseIdentity.vendorId, device::kSecondMouseIdentity.productId},
    {device::kPadIdentity.vendorId, device::kPadIdentity.productId},
};

}  // namespace

bool HasKnownDevice(std::span<const std::string> paths) {
    for (const std::string& path : paths) {
        for (const KnownId& id : kKnownIds) {
            if (device::PathVendorId(path) == id.vendorId &&
                device::PathProductId(path) == id.productId) {
                return true;
            }
        }
    }
    return false;
}

std::unique_ptr<devsim::Simulator> InstallDeviceBackend(
    const std::optional<std::vector<devsim::PluggedDevice>>& simulate) {
    if (!simulate) {
        std::shared_ptr<platform::hid::Backend> hidraw = platform::hid::MakeHidrawBackend();
        std::vector<std::string> paths;
        if (hidraw->Enumerate(paths) && HasKnownDevice(paths)) {
            platform::hid::SetBackend(std::move(hidraw));
            return nullptr;
        }
        std::puts(
            "kavrin: no KAVRIN device found; using the simulated mouse, keyboard and mousepad");
        std::fflush(stdout);
    }
    // An empty list plugs all three devices.
    const std::vector<devsim::PluggedDevice> plugged =
        simulate ? *simulate : *devsim::ParseSimulateList("");
    auto simulator = std::make_unique<devsim::Simulator>(plugged);
    platform::hid::SetBackend(simulator->backend());
    return simulator;
}

}  // namespace app
