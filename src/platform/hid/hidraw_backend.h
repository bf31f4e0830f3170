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

// Called before open(2) reaches a real device node (never for an injected opener). Tests that
// run on simulated devices install one that fails the test; empty removes it.
void SetRealNodeOpenHook(std::function<void(const std::string& devNode)> hook);

}  // namespace platform::hid
