#include "device/device_link.h"

namespace device {

void AssignIdentity(DeviceLink& link, const DeviceIdentity& identity) {
    link.vendorId = identity.vendorId;
    link.productId = identity.productId;
    link.usage = identity.usage;
    link.usagePage = identity.usagePage;
    link.connected = false;
}

}  // namespace device
