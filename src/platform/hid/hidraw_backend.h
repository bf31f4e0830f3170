#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/hid/hid_backend.h"

namespace platform::hid {

// Opens a device node with open(2) flags; returns the descriptor or -errno.
using NodeOpener = std::function<int(const std::string& devNode, int flags)>;

struct HidrawConfig {
    std::string sysfsRoot = "/sys";
    NodeOpener openNode;  // empty: open(2); tests hand out one end of a socket pair
};

// HID interfaces of Linux hidraw nodes, one path per top-level collection.
std::shared_ptr<Backend> MakeHidrawBackend(HidrawConfig config = {});

}  // namespace platform::hid
