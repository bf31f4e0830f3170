#pragma once

#include <atomic>
#include <cstdint>

#include "platform/hid/hid_interface.h"
#include "platform/sys/lock.h"

namespace device {

// The vendor-defined collection that carries the configuration reports of every device.
inline constexpr uint16_t kVendorUsagePage = 0xFF1C;
inline constexpr uint16_t kVendorUsage = 0x0092;
// The consumer-control collection through which mouse and keyboard announce changes.
inline constexpr uint16_t kConsumerUsagePage = 0x000C;
inline constexpr uint16_t kConsumerUsage = 0x0001;

inline constexpr uint16_t kDefaultTransferLength = 512;

struct DeviceIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usage = 0;
    uint16_t usagePage = 0;
};

inline constexpr DeviceIdentity kKeyboardIdentity{0x0C45, 0x6556, kVendorUsage, kVendorUsagePage};
inline constexpr DeviceIdentity kMouseIdentity{0x260D, 0x1003, kVendorUsage, kVendorUsagePage};
inline constexpr DeviceIdentity kPadIdentity{0x0C45, 0x5004, kVendorUsage, kVendorUsagePage};
// The mouse's second USB identity; its link is only consulted for vendor and product id.
inline constexpr DeviceIdentity kSecondMouseIdentity{0x260D, 0x1099, kVendorUsage,
                                                     kVendorUsagePage};

// One device identity with its open interface. The identity is set before the threads that
// read it start; `connected` and `lightPreviewHold` are shared with the presence monitors and
// lighting threads. `transferLock` guards every single transfer on `hid` and a monitor's pass.
struct DeviceLink {
    // Bytes moved by the chunked commands.
    uint16_t length = kDefaultTransferLength;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    std::atomic<bool> connected{false};
    std::atomic<bool> lightPreviewHold{false};
    platform::hid::HidInterface hid;
    platform::sys::ReentrantLock transferLock;
};

// Gives the link its identity and marks it not connected.
void AssignIdentity(DeviceLink& link, const DeviceIdentity& identity);

}  // namespace device
