#include "device/presence/path_probe.h"

#include <memory>

#include "platform/hid/hid_backend.h"

namespace device {

bool PathStillOpens(const std::string& path) {
    std::unique_ptr<platform::hid::Connection> probe;
    return platform::hid::CurrentBackend().Open(path, platform::hid::OpenFlags{}, probe) ==
           platform::hid::OpenStatus::kOk;
}

}  // namespace device
