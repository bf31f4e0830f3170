#pragma once

#include <cstdint>
#include <vector>

#include "device/device_link.h"
#include "platform/hid/hid_interface.h"

namespace device {

// What a scan accepts: any of the vendor ids with any of the product ids, on one top-level
// collection.
struct WantedInterface {
    std::vector<uint16_t> vendorIds;
    std::vector<uint16_t> productIds;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// The other keyboard models, which answer on the keyboard link's configuration collection.
inline constexpr uint16_t kOtherKeyboardProductIds[] = {0x0800, 0x7200};

// The configuration collection of one link's identity.
WantedInterface ConfigInterfaceOf(const DeviceLink& link);
// The keyboard under its own product id or one of the other models'.
WantedInterface KeyboardConfigInterface(const DeviceLink& keyboard);
// The mouse under either of its identities, including a vendor id of one with the product id of
// the other.
WantedInterface MouseConfigInterface(const DeviceLink& first, const DeviceLink& second);
// The consumer-control collections that the sync threads listen to.
WantedInterface MouseSyncInterface();
WantedInterface KeyboardSyncInterface();

// Walks hid.paths from hid.pathCursor up to the end or the first empty entry. A path whose vid_
// is wanted is opened for overlapped read and write, shared; the first interface whose
// attributes and capabilities match stays open and the result is true, with the cursor past it.
// Interfaces that do not match are closed again.
bool OpenConfigInterface(platform::hid::HidInterface& hid, const WantedInterface& wanted);
// The same walk for a sync thread: both vid_ and pid_ of the path must be wanted, and the
// interface is opened for overlapped reading only, shared.
bool OpenSyncInterface(platform::hid::HidInterface& hid, const WantedInterface& wanted);

}  // namespace device
