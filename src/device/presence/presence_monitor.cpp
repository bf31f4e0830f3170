#include "device/presence/presence_monitor.h"

#include <string_view>

#include "device/interface_scan.h"
#include "device/presence/path_probe.h"
#include "device/presence/stop_wait.h"
#include "platform/hid/hid_interface.h"
#include "platform/sys/debug_output.h"
#include "platform/sys/lock.h"

namespace device {
namespace {

DeviceLink& OwnLink(Monitored device, const PresenceLinks& links) {
    switch (device) {
        case Monitored::kKeyboard:
            return links.keyboard;
        case Monitored::kMouse:
            return links.mouse;
        case Monitored::kPad:
            break;
    }
    return links.pad;
}

WantedInterface WantedOf(Monitored device, const PresenceLinks& links) {
    switch (device) {
        case Monitored::kKeyboard:
            return KeyboardConfigInterface(links.keyboard);
        case Monitored::kMouse:
            return MouseConfigInterface(links.mouse, links.secondMouse);
        case Monitored::kPad:
            break;
    }
    return ConfigInterfaceOf(links.pad);
}

std::string_view ExitText(Monitored device) {
    switch (device) {
        case Monitored::kKeyboard:
            return "键盘设备侦测线程设定退出";
        case Monitored::kMouse:
            return "鼠标设备侦测线程设定退出";
        case Monitored::kPad:
            break;
    }
    return "鼠标垫设备侦测线程设定退出";
}

bool AnotherConnected(Monitored device, const PresenceLinks& links) {
    return (device != Monitored::kKeyboard && links.keyboard.connected) ||
           (device != Monitored::kMouse && links.mouse.connected) ||
           (device != Monitored::kPad && links.pad.connected);
}

class Monitor {
public:
    Monitor(Monitored device, const PresenceLinks& links, PresenceReactions& reactions,
            platform::sys::Event& stop)
        : device_(device),
          links_(links),
          link_(OwnLink(device, links)),
          reactions_(reactions),
          stop_(stop) {}

    void Run() {
        // The stop event is not reset here: a stop that came before this thread ran must count.
        while (!StopRequested(stop_)) {
            if (!Pass()) {
                return;  // no interfaces to look at for the rest of the run
            }
            if (StopRequested(stop_, PauseMs())) {
                break;
            }
        }
        platform::sys::OutputDebugString(ExitText(device_));
    }

private:
    // False when the interfaces could not be enumerated.
    bool Pass() {
        platform::sys::LockGuard guard(link_.transferLock);
        if (link_.connected) {
            TestPresence();
            return true;
        }
        return Scan();
    }

    uint32_t PauseMs() const {
        return device_ != Monitored::kMouse && link_.connected ? kConnectedTestPeriodMs
                                                               : kScanPeriodMs;
    }

    bool Scan() {
        platform::hid::HidInterface& hid = link_.hid;
        hid.pathCursor = 0;
        if (platform::hid::EnumerateHidPaths(hid.paths) != 1) {
            return false;
        }
        if (OpenConfigInterface(hid, WantedOf(device_, links_))) {
            Arrive();
        }
        if (firstScan_) {
            firstScan_ = false;
            if (links_.mouse.connected) {
                reactions_.MouseConnectedAtStart();
            }
        }
        hid.paths.clear();
        return true;
    }

    void Arrive() {
        reactions_.Accepted(device_, link_.hid.attributes);
        if (device_ == Monitored::kKeyboard) {
            // The keyboard's tab shows first; the link counts as connected a moment later.
            StopRequested(stop_, kKeyboardSettleMs);
        }
        link_.connected = true;
        reactions_.Arrived(device_);
    }

    void TestPresence() {
        if (PathStillOpens(link_.hid.path)) {
            reactions_.StillPresent(device_, AnotherConnected(device_, links_));
            return;
        }
        // The interface record stays as it is: the next accepted scan reopens it.
        link_.connected = false;
        link_.lightPreviewHold = false;
        reactions_.Removed(device_);
    }

    const Monitored device_;
    const PresenceLinks& links_;
    DeviceLink& link_;
    PresenceReactions& reactions_;
    platform::sys::Event& stop_;
    bool firstScan_ = true;
};

}  // namespace

void RunPresenceMonitor(Monitored device, const PresenceLinks& links, PresenceReactions& reactions,
                        platform::sys::Event& stop) {
    Monitor(device, links, reactions, stop).Run();
}

}  // namespace device
