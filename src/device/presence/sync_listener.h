#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/hid/hid_interface.h"
#include "platform/sys/event.h"

namespace device {

enum class SyncDevice { kMouse, kKeyboard };

// What a device reports on its consumer-control collection about changes made on itself.
enum class DeviceNotice {
    kParamsChanged,  // re-read the parameters
    kAllChanged,     // read the device in full
    kKeyPressed,     // a key press for the lighting previews
};

// The meaning of a consumer usage from the device; nothing for a usage it ignores.
std::optional<DeviceNotice> NoticeOf(SyncDevice device, uint16_t usage);

// Time-out of one input report read; a stop waits at most this long while reading.
inline constexpr uint32_t kSyncReadTimeoutMs = 500;
inline constexpr uint32_t kSyncScanPeriodMs = 1000;

// The sync thread of one device: finds its consumer-control collection, reads its reports and
// calls onNotice (on this thread) for each one that means something, until the device goes away;
// then scans again. Returns when `stop` is signalled (writing its exit text to the debug output)
// or, silently, when the interfaces cannot be enumerated. `hid` is the thread's own record.
void RunSyncListener(SyncDevice device, platform::hid::HidInterface& hid,
                     const std::function<void(DeviceNotice)>& onNotice, platform::sys::Event& stop);

}  // namespace device
