#include "device/presence/sync_listener.h"

#include <string_view>
#include <vector>

#include "device/interface_scan.h"
#include "device/presence/path_probe.h"
#include "device/presence/stop_wait.h"
#include "platform/hid/input_items.h"
#include "platform/sys/debug_output.h"

namespace device {
namespace {

namespace hid = platform::hid;

constexpr uint16_t kUsageParams = 0x0401;
constexpr uint16_t kUsageAll = 0x0402;
constexpr uint16_t kUsageKey = 0x0403;

std::string_view ExitText(SyncDevice device) {
    return device == SyncDevice::kKeyboard ? "键盘同步线程设定退出" : "鼠标同步线程设定测试退出";
}

// The first usage of the first decoding item; 0 when the report decodes to nothing.
uint16_t FirstUsage(hid::HidInterface& interface, std::span<const uint8_t> report) {
    if (interface.inputItems.empty()) {
        return 0;
    }
    hid::UnpackInputReport(interface.inputItems, report, interface.preparsed);
    const hid::HidDataItem& first = interface.inputItems.front();
    if (!first.isButton) {
        return first.usage;
    }
    return first.usages.empty() ? 0 : first.usages.front();
}

// Reads until the device goes away (false) or the stop event comes (true).
bool ReadNotices(SyncDevice device, hid::HidInterface& interface,
                 const std::function<void(DeviceNotice)>& onNotice, platform::sys::Event& stop) {
    std::vector<uint8_t> report(interface.caps.inputReportByteLength);
    while (!StopRequested(stop)) {
        uint32_t bytesRead = 0;
        if (hid::ReadReport(interface, report, kSyncReadTimeoutMs, bytesRead) != 1) {
            if (!PathStillOpens(interface.path)) {
                return false;
            }
            continue;
        }
        const std::span<const uint8_t> received(report.data(), bytesRead);
        if (const auto notice = NoticeOf(device, FirstUsage(interface, received))) {
            onNotice(*notice);
        }
    }
    return true;
}

}  // namespace

std::optional<DeviceNotice> NoticeOf(SyncDevice device, uint16_t usage) {
    switch (usage) {
        case kUsageParams:
            return DeviceNotice::kParamsChanged;
        case kUsageAll:
            return DeviceNotice::kAllChanged;
        case kUsageKey:
            // The keyboard's key presses drive no preview.
            if (device == SyncDevice::kMouse) {
                return DeviceNotice::kKeyPressed;
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

void RunSyncListener(SyncDevice device, hid::HidInterface& interface,
                     const std::function<void(DeviceNotice)>& onNotice,
                     platform::sys::Event& stop) {
    const WantedInterface wanted =
        device == SyncDevice::kMouse ? MouseSyncInterface() : KeyboardSyncInterface();
    while (!StopRequested(stop)) {
        interface.pathCursor = 0;
        if (hid::EnumerateHidPaths(interface.paths) != 1) {
            return;
        }
        if (OpenSyncInterface(interface, wanted)) {
            const bool stopped = ReadNotices(device, interface, onNotice, stop);
            // Ends a pending read, frees the tables and closes the handle.
            hid::CloseHidInterface(interface);
            if (stopped) {
                break;
            }
        }
        interface.paths.clear();
        if (StopRequested(stop, kSyncScanPeriodMs)) {
            break;
        }
    }
    platform::sys::OutputDebugString(ExitText(device));
}

}  // namespace device
