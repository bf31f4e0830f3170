#include "app/device_hub.h"

#include <map>
#include <mutex>
#include <string_view>

#include "app/control_names.h"
#include "app/language_ids.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/process_state.h"
#include "keyboard/keyboard_reads.h"
#include "mouse/mouse_image_io.h"
#include "mouse/param_flush.h"
#include "mousepad/pad_image_io.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "profile/profile_list.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "ui/windows/pallet_dialog.h"

namespace app {
namespace {

namespace m = platform::msg;
namespace tabs = controls::device_tabs;
using device::Monitored;
using profile::DeviceKind;
using profile::ProfileType;

constexpr uint32_t kMouseReadDelayMs = 500;
constexpr uint32_t kRepaintOnceMs = 100;
constexpr uint32_t kKeyboardMonitorHeadStartMs = 20;

// Shown while at least one of the other two devices is connected.
constexpr std::array<std::string_view, 3> kSameModeOptions = {
    "kb_deng_same_mode", "ms_deng_same_mode", "mp_deng_same_mode"};

size_t IndexOf(Monitored device) {
    return static_cast<size_t>(device);
}

// The hubs of the live windows, so that a thread started with a window handle finds its hub.
std::mutex hubsMutex;
std::map<m::HWND, DeviceHub*> hubs;

DeviceHub* HubOf(m::HWND hwnd) {
    std::lock_guard lock(hubsMutex);
    auto found = hubs.find(hwnd);
    return found != hubs.end() ? found->second : nullptr;
}

template <typename Body>
ThreadSpec HubThread(std::string_view name, Body body, uint32_t pauseAfterMs = 0) {
    return {name,
            [body](const ThreadContext& context) {
                if (DeviceHub* hub = HubOf(context.mainWindow)) {
                    body(*hub, *context.stop);
                }
            },
            pauseAfterMs};
}

template <Monitored kDevice>
void Monitor(DeviceHub& hub, platform::sys::Event& stop) {
    hub.RunMonitor(kDevice, stop);
}

template <device::SyncDevice kDevice>
void Sync(DeviceHub& hub, platform::sys::Event& stop) {
    hub.RunSync(kDevice, stop);
}

}  // namespace

std::span<const ThreadSpec> DeviceThreads() {
    static const std::vector<ThreadSpec> table = {
        HubThread("keyboard presence", Monitor<Monitored::kKeyboard>, kKeyboardMonitorHeadStartMs),
        HubThread("mouse presence", Monitor<Monitored::kMouse>),
        HubThread("mousepad presence", Monitor<Monitored::kPad>),
        HubThread("mouse sync", Sync<device::SyncDevice::kMouse>),
        HubThread("keyboard sync", Sync<device::SyncDevice::kKeyboard>),
    };
    return table;
}

DeviceHub::DeviceHub(toolkit::WindowImplBase& window, const device::PresenceLinks& links)
    : window_(window), links_(links) {}

DeviceHub::~DeviceHub() {
    std::lock_guard lock(hubsMutex);
    if (auto found = hubs.find(attachedTo_); found != hubs.end() && found->second == this) {
        hubs.erase(found);
    }
}

void DeviceHub::Attach() {
    attachedTo_ = window_.GetHWND();
    std::lock_guard lock(hubsMutex);
    hubs[attachedTo_] = this;
}

// ---------------------------------------------------------------------------------------------
// UI thread

ProfileListContext DeviceHub::ListContext() {
    return {window_.GetPaintManager(),
            window_.GetHWND(),
            devices_,
            links_.mouse,
            links_.keyboard,
            *this,
            *this,
            Performance()};
}

PerformancePage DeviceHub::Performance() {
    return {window_.GetPaintManager(), devices_.mouse, links_.mouse, systemCalls_,
            [this](toolkit::Color start) { return ui::ChooseColour(window_.GetHWND(), start); }};
}

bool DeviceHub::OnPageNotify(const toolkit::TNotifyUI& msg) {
    return OnPerformanceNotify(Performance(), msg);
}

void DeviceHub::InitProfileLists() {
    app::InitProfileLists(ListContext());
}

bool DeviceHub::OnItemSelect(toolkit::CControlUI& sender) {
    return OnProfileSelected(ListContext(), sender);
}

void DeviceHub::RefreshMousePages() {
    FillDpiControls(Performance());
    window_.GetPaintManager().Invalidate();
}

void DeviceHub::RefreshPadLightPage() {
    window_.GetPaintManager().Invalidate();
}

void DeviceHub::ReadKeyboard() {
    if (keyboard::ReadKeyboardAll(links_.keyboard, devices_.keyboard) ==
        keyboard::FullReadResult::kTooManyKeys) {
        ShowMessageBox(window_.GetHWND(), text::kTooManyKeys);
    }
    window_.GetPaintManager().Invalidate();
}

void DeviceHub::OnTimer(toolkit::WPARAM id) {
    switch (id) {
        case timer::kWriteOut:
            mouse::FlushParamBlock(links_.keyboard, devices_.keyboard.block,
                                   devices_.keyboard.paramsDirty);
            mouse::FlushMouseParams(links_.mouse, devices_.mouse);
            mouse::FlushParamBlock(links_.pad, devices_.pad.block, devices_.pad.paramsDirty);
            break;
        case timer::kMouseRead:
            mouse::LoadMouseImage(links_.mouse, devices_.mouse, *this);
            break;
        case timer::kKeyboardRead:
        case timer::kStartKeyboardRead:
            ReadKeyboard();
            break;
        case timer::kStartPadRead:
            mousepad::LoadPadImage(links_.pad, devices_.pad, *this);
            break;
        default:
            break;
    }
}

void DeviceHub::OnMessage(toolkit::UINT message) {
    switch (message) {
        case message::kMouseReadAll:
            mouse::LoadMouseImage(links_.mouse, devices_.mouse, *this);
            break;
        case message::kMouseReadParams:
            mouse::ReloadMouseParams(links_.mouse, devices_.mouse, *this);
            break;
        case message::kPadReadAll:
            mousepad::LoadPadImage(links_.pad, devices_.pad, *this);
            break;
        case message::kPadReadParams:
            mousepad::ReloadPadParams(links_.pad, devices_.pad, *this);
            break;
        case message::kKeyboardReadAll:
            ReadKeyboard();
            break;
        case message::kKeyboardReadParams:
            keyboard::ReadKeyboardParams(links_.keyboard, devices_.keyboard);
            window_.GetPaintManager().Invalidate();
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Background threads

void DeviceHub::RunMonitor(Monitored device, platform::sys::Event& stop) {
    device::RunPresenceMonitor(device, links_, *this, stop);
}

void DeviceHub::RunSync(device::SyncDevice device, platform::sys::Event& stop) {
    platform::hid::HidInterface& hid =
        device == device::SyncDevice::kMouse ? mouseSync_ : keyboardSync_;
    device::RunSyncListener(
        device, hid, [this, device](device::DeviceNotice notice) { OnNotice(device, notice); },
        stop);
}

void DeviceHub::OnNotice(device::SyncDevice device, device::DeviceNotice notice) {
    const bool mouse = device == device::SyncDevice::kMouse;
    switch (notice) {
        case device::DeviceNotice::kParamsChanged:
            // Sent, not posted: the next report is read once the window has re-read the device.
            m::SendMessage(attachedTo_,
                           mouse ? message::kMouseReadParams : message::kKeyboardReadParams, 0, 0);
            break;
        case device::DeviceNotice::kAllChanged:
            m::SendMessage(attachedTo_, mouse ? message::kMouseReadAll : message::kKeyboardReadAll,
                           0, 0);
            break;
        case device::DeviceNotice::kKeyPressed:
            break;  // the lighting previews have no key-press flags to set yet
    }
}

void DeviceHub::Post(std::function<void()> task) {
    m::PostTask(attachedTo_, std::move(task));
}

namespace {

toolkit::CControlUI* Find(toolkit::WindowImplBase& window, std::string_view name) {
    return window.FindControl(name);
}

void SetVisible(toolkit::WindowImplBase& window, std::string_view name, bool visible) {
    if (toolkit::CControlUI* control = Find(window, name)) {
        control->SetVisible(visible);
    }
}

// Selects a device tab with its notification, so its page comes up.
void SelectTab(toolkit::WindowImplBase& window, std::string_view name, bool focus = false) {
    if (auto* tab = dynamic_cast<toolkit::COptionUI*>(Find(window, name))) {
        tab->Selected(true, true);
        if (focus) {
            tab->SetFocus();
        }
    }
}

// Selects without taking the focus; a changed selection loads that profile.
void SelectEntry(toolkit::WindowImplBase& window, std::string_view list, int index) {
    if (auto* control = dynamic_cast<toolkit::CListUI*>(Find(window, list))) {
        control->SelectItem(index, false, true);
    }
}

}  // namespace

void DeviceHub::Accepted(Monitored device, const platform::hid::Attributes& attributes) {
    if (device != Monitored::kKeyboard) {
        return;
    }
    if (const auto effectSet = keyboard::EffectSetOf(attributes.productId)) {
        devices_.keyboard.effectSet = *effectSet;
    }
    Post([&window = window_] {
        SetVisible(window, tabs::kKeyboardTab, true);
        SelectTab(window, tabs::kKeyboardTab);
    });
}

void DeviceHub::Arrived(Monitored device) {
    const m::HWND hwnd = attachedTo_;
    toolkit::WindowImplBase& window = window_;
    switch (device) {
        case Monitored::kMouse:
            Post([&window, hwnd] {
                // The profile is loaded before timer 8 reads the mouse.
                SelectEntry(window, controls::profile_lists::kMouseDevice.list,
                            profile::SelectedIndex(DeviceKind::kMouse, ProfileType::kDevice));
                m::SetTimer(hwnd, timer::kMouseRead, kMouseReadDelayMs);
                SetVisible(window, tabs::kMouseTab, true);
                SelectTab(window, tabs::kMouseTab);
                SetVisible(window, tabs::kMousePanel, true);
            });
            break;
        case Monitored::kPad:
            Post([&window, hwnd] {
                SetVisible(window, tabs::kPadTab, true);
                SelectTab(window, tabs::kPadTab);
                SelectEntry(window, controls::profile_lists::kPadLight.list,
                            profile::SelectedIndex(DeviceKind::kPad, ProfileType::kLight));
                if (toolkit::CControlUI* tab = Find(window, tabs::kPadTab)) {
                    tab->Invalidate();
                }
                m::SetTimer(hwnd, timer::kRepaintOnce, kRepaintOnceMs);
            });
            break;
        case Monitored::kKeyboard:
            Post([&window, hwnd, &data = devices_.keyboard] {
                const int index =
                    profile::SelectedIndex(DeviceKind::kKeyboard, ProfileType::kDevice);
                profile::LoadKeyboardProfile(data, ProfileType::kDevice, index);
                SelectEntry(window, controls::profile_lists::kKeyboardDevice.list, index);
                m::SetTimer(hwnd, timer::kRepaintOnce, kRepaintOnceMs);
                SetVisible(window, tabs::kKeyboardPanel, true);
                window.ShowWindow(true, true);
            });
            break;
    }
}

void DeviceHub::Removed(Monitored device) {
    sameModeShown_[IndexOf(device)].reset();
    const bool keyboard = links_.keyboard.connected;
    const bool mouse = links_.mouse.connected;
    const bool pad = links_.pad.connected;
    toolkit::WindowImplBase& window = window_;
    switch (device) {
        case Monitored::kMouse:
            Post([&window, keyboard, pad] {
                SetVisible(window, tabs::kMouseTab, false);
                if (keyboard) {
                    SelectTab(window, tabs::kKeyboardTab, true);
                    SetVisible(window, tabs::kKeyboardTab, true);
                } else if (pad) {
                    SelectTab(window, tabs::kPadTab, true);
                }
            });
            if (!keyboard && !pad) {
                m::PostMessage(attachedTo_, message::kLastDeviceGone, 0, 0);
            }
            break;
        case Monitored::kPad:
        case Monitored::kKeyboard: {
            const bool isPad = device == Monitored::kPad;
            const bool other = isPad ? keyboard : pad;
            Post([&window, isPad, other, mouse] {
                SetVisible(window, isPad ? tabs::kPadTab : tabs::kKeyboardTab, false);
                if (isPad && other) {
                    SelectTab(window, tabs::kKeyboardTab);
                } else if (mouse) {
                    SelectTab(window, tabs::kMouseTab);
                } else if (other) {
                    SelectTab(window, tabs::kPadTab);
                } else {
                    window.ShowWindow(false);
                }
            });
            break;
        }
    }
}

void DeviceHub::StillPresent(Monitored device, bool anotherConnected) {
    std::optional<bool>& shown = sameModeShown_[IndexOf(device)];
    if (shown == anotherConnected) {
        return;  // nothing to change: no task every 100 ms
    }
    shown = anotherConnected;
    Post([&window = window_, name = kSameModeOptions[IndexOf(device)], anotherConnected] {
        SetVisible(window, name, anotherConnected);
    });
}

void DeviceHub::MouseConnectedAtStart() {
    m::PostMessage(attachedTo_, ActivationMessage(), 0, 0);
}

}  // namespace app
