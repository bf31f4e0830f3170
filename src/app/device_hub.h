#pragma once

#include <array>
#include <optional>
#include <span>

#include "app/background_threads.h"
#include "app/device_mirror.h"
#include "app/mouse_performance_page.h"
#include "app/profile_lists.h"
#include "device/presence/presence_monitor.h"
#include "device/presence/sync_listener.h"
#include "mouse/mouse_pages.h"
#include "mousepad/pad_pages.h"
#include "toolkit/core/window.h"

namespace app {

// Messages from the sync threads and the mousepad reads' requests.
namespace message {
inline constexpr toolkit::UINT kMouseReadAll = 2305;
inline constexpr toolkit::UINT kMouseReadParams = 2306;
inline constexpr toolkit::UINT kPadReadAll = 2561;
inline constexpr toolkit::UINT kPadReadParams = 2562;
inline constexpr toolkit::UINT kKeyboardReadAll = 2817;
inline constexpr toolkit::UINT kKeyboardReadParams = 2818;
}  // namespace message

// The devices' side of the main window: their memory, the presence monitors' and sync threads'
// reactions, the device reads and write-outs of the timers and messages, and the profile lists.
// Background threads reach the controls only through tasks posted to the window, in order.
class DeviceHub final : public device::PresenceReactions,
                        public mouse::MousePages,
                        public mousepad::PadPages {
public:
    DeviceHub(toolkit::WindowImplBase& window, const device::PresenceLinks& links);
    ~DeviceHub() override;
    DeviceHub(const DeviceHub&) = delete;
    DeviceHub& operator=(const DeviceHub&) = delete;

    DeviceMirror& Devices() { return devices_; }

    // UI thread. Lets the device threads of the window find this hub (once it has its handle).
    void Attach();
    void InitProfileLists();
    // False when the sender is no profile list.
    bool OnItemSelect(toolkit::CControlUI& sender);
    void OnTimer(toolkit::WPARAM id);
    void OnMessage(toolkit::UINT message);
    // The device pages' notifications; false when no page takes it.
    bool OnPageNotify(const toolkit::TNotifyUI& msg);

    // Thread bodies; each returns when its stop event is signalled.
    void RunMonitor(device::Monitored device, platform::sys::Event& stop);
    void RunSync(device::SyncDevice device, platform::sys::Event& stop);

    // Pages: the reads call these once the data changed.
    void RefreshMousePages() override;
    void RefreshPadLightPage() override;

private:
    // Presence monitors (their threads, during a pass).
    void Accepted(device::Monitored device, const platform::hid::Attributes& attributes) override;
    void Arrived(device::Monitored device) override;
    void Removed(device::Monitored device) override;
    void StillPresent(device::Monitored device, bool anotherConnected) override;
    void MouseConnectedAtStart() override;

    void OnNotice(device::SyncDevice device, device::DeviceNotice notice);
    void Post(std::function<void()> task);
    ProfileListContext ListContext();
    PerformancePage Performance();
    void ReadKeyboard();

    toolkit::WindowImplBase& window_;
    device::PresenceLinks links_;
    DeviceMirror devices_;
    // The sync threads' own interfaces.
    platform::hid::HidInterface mouseSync_;
    platform::hid::HidInterface keyboardSync_;
    // Same-mode option shown, per monitored device; each entry is touched by its monitor only.
    std::array<std::optional<bool>, 3> sameModeShown_;
    platform::msg::HWND attachedTo_;
    mouse::SystemSettingCalls systemCalls_;
};

// The thread table entries of the presence monitors (keyboard, mouse, mousepad) and the sync
// threads (mouse, keyboard), in start order. Each finds the hub of its window when it starts.
std::span<const ThreadSpec> DeviceThreads();

}  // namespace app
