#include "device/interface_scan.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "device/path_identity.h"

namespace device {
namespace {

using platform::hid::HidInterface;

bool Contains(const std::vector<uint16_t>& ids, uint16_t id) {
    return std::ranges::find(ids, id) != ids.end();
}

// A path without the tag reads as 0, which must not match a link whose identity is still unset.
bool PathIdWanted(const std::vector<uint16_t>& ids, uint16_t pathId) {
    return pathId != 0 && Contains(ids, pathId);
}

bool Accepts(const WantedInterface& wanted, const HidInterface& hid) {
    return Contains(wanted.vendorIds, hid.attributes.vendorId) &&
           Contains(wanted.productIds, hid.attributes.productId) &&
           hid.caps.usagePage == wanted.usagePage && hid.caps.usage == wanted.usage;
}

// Closes an interface that was not accepted but keeps the path list the scan is walking.
void CloseRejected(HidInterface& hid) {
    std::vector<std::string> paths = std::move(hid.paths);
    platform::hid::CloseHidInterface(hid);
    hid.paths = std::move(paths);
}

template <typename PathWanted>
bool OpenFirstAccepted(HidInterface& hid, const WantedInterface& wanted, bool write,
                       PathWanted pathWanted) {
    for (uint32_t cursor = hid.pathCursor; cursor < hid.paths.size() && !hid.paths[cursor].empty();
         ++cursor) {
        const std::string& path = hid.paths[cursor];
        if (!pathWanted(path)) {
            continue;
        }
        hid.wantRead = true;
        hid.wantWrite = write;
        hid.overlapped = true;
        hid.exclusive = false;
        hid.path = path;
        if (platform::hid::OpenHidInterface(hid) != 1) {
            continue;
        }
        if (Accepts(wanted, hid)) {
            hid.pathCursor = cursor + 1;
            return true;
        }
        CloseRejected(hid);
    }
    hid.pathCursor = static_cast<uint32_t>(hid.paths.size());
    return false;
}

}  // namespace

WantedInterface ConfigInterfaceOf(const DeviceLink& link) {
    return {{link.vendorId}, {link.productId}, link.usagePage, link.usage};
}

WantedInterface KeyboardConfigInterface(const DeviceLink& keyboard) {
    WantedInterface wanted = ConfigInterfaceOf(keyboard);
    wanted.productIds.insert(wanted.productIds.end(), std::begin(kOtherKeyboardProductIds),
                             std::end(kOtherKeyboardProductIds));
    return wanted;
}

WantedInterface MouseConfigInterface(const DeviceLink& first, const DeviceLink& second) {
    return {{first.vendorId, second.vendorId},
            {first.productId, second.productId},
            first.usagePage,
            first.usage};
}

WantedInterface MouseSyncInterface() {
    return {{kMouseIdentity.vendorId, kSecondMouseIdentity.vendorId},
            {kMouseIdentity.productId, kSecondMouseIdentity.productId},
            kConsumerUsagePage,
            kConsumerUsage};
}

WantedInterface KeyboardSyncInterface() {
    return {{kKeyboardIdentity.vendorId},
            {kKeyboardIdentity.productId},
            kConsumerUsagePage,
            kConsumerUsage};
}

bool OpenConfigInterface(HidInterface& hid, const WantedInterface& wanted) {
    return OpenFirstAccepted(hid, wanted, true, [&](std::string_view path) {
        return PathIdWanted(wanted.vendorIds, PathVendorId(path));
    });
}

bool OpenSyncInterface(HidInterface& hid, const WantedInterface& wanted) {
    return OpenFirstAccepted(hid, wanted, false, [&](std::string_view path) {
        return PathIdWanted(wanted.vendorIds, PathVendorId(path)) &&
               PathIdWanted(wanted.productIds, PathProductId(path));
    });
}

}  // namespace device
