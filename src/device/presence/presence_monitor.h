#pragma once

#include <cstdint>

#include "device/device_link.h"
#include "platform/hid/hid_backend.h"
#include "platform/sys/event.h"

namespace device {

enum class Monitored { kKeyboard, kMouse, kPad };

// The links a monitor looks at: its own, and the others' connected flags.
struct PresenceLinks {
    DeviceLink& keyboard;
    DeviceLink& mouse;
    DeviceLink& pad;
    const DeviceLink& secondMouse;  // only its identity is read
};

// What a device's coming and going means outside its link. Called on the monitor's thread while
// it holds its link's transfer lock, in the order the events happen.
class PresenceReactions {
public:
    virtual ~PresenceReactions() = default;
    // An interface was accepted; the link is not connected yet.
    virtual void Accepted(Monitored device, const platform::hid::Attributes& attributes) = 0;
    // The link has just been connected.
    virtual void Arrived(Monitored device) = 0;
    // The device is gone; its link is no longer connected.
    virtual void Removed(Monitored device) = 0;
    // A presence test found the device still there.
    virtual void StillPresent(Monitored device, bool anotherConnected) = 0;
    // A monitor's first scan is over and the mouse link is connected.
    virtual void MouseConnectedAtStart() = 0;
};

// Pause of a monitor between passes.
inline constexpr uint32_t kScanPeriodMs = 1000;
inline constexpr uint32_t kConnectedTestPeriodMs = 100;  // mousepad and keyboard only
// Between the keyboard's tab appearing and its link counting as connected.
inline constexpr uint32_t kKeyboardSettleMs = 100;

// The presence monitor of one device: scans until the device is found, then tests once per
// period that it is still there. Returns when `stop` is signalled (after writing its exit text
// to the debug output) or, silently, when the interfaces cannot be enumerated.
void RunPresenceMonitor(Monitored device, const PresenceLinks& links, PresenceReactions& reactions,
                        platform::sys::Event& stop);

}  // namespace device
