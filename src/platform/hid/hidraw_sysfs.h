#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid/hid_backend.h"

namespace platform::hid {

// What sysfs tells about one hidraw node.
struct HidrawNode {
    std::string name;     // "hidraw3"
    std::string devNode;  // "/dev/hidraw3"
    Attributes attributes;
    std::vector<uint8_t> descriptor;
};

// The hidraw nodes under <sysfsRoot>/class/hidraw in number order. A missing class folder means
// no devices; nodes that vanish while being read are left out. False when the folder exists but
// cannot be listed.
bool ListHidrawNodes(const std::string& sysfsRoot, std::vector<HidrawNode>& nodes);

// One node by name; nothing when its uevent or report descriptor cannot be read.
std::optional<HidrawNode> ReadHidrawNode(const std::string& sysfsRoot, const std::string& name);

// The path of one top-level collection; the collection tag only when the node has several.
std::string FormatHidrawPath(const Attributes& attributes, size_t collection,
                             size_t collectionCount, const std::string& devNode);

struct HidrawPath {
    std::string devNode;
    std::string nodeName;
    size_t collection = 0;  // index among the node's top-level collections
};
std::optional<HidrawPath> ParseHidrawPath(const std::string& path);

}  // namespace platform::hid
