#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devsim/sim_device.h"
#include "platform/hid/hid_backend.h"

namespace devsim {

// The HID backend over simulated devices: the same slot as hidraw. Moves bytes only; the
// device layer above keeps time-outs, retries and framing.
class SimBackend : public platform::hid::Backend {
public:
    explicit SimBackend(std::vector<std::shared_ptr<SimDevice>> devices);

    // The plugged devices' collections, in device order.
    bool Enumerate(std::vector<std::string>& paths) override;
    // kNotFound for an unknown path, an unplugged device or a path of another identity.
    platform::hid::OpenStatus Open(const std::string& path, const platform::hid::OpenFlags& flags,
                                   std::unique_ptr<platform::hid::Connection>& connection) override;

private:
    const std::vector<std::shared_ptr<SimDevice>> devices_;
};

}  // namespace devsim
