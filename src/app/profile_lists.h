#pragma once

#include "app/device_mirror.h"
#include "app/mouse_performance_page.h"
#include "device/device_link.h"
#include "mouse/mouse_pages.h"
#include "mousepad/pad_pages.h"
#include "toolkit/core/paint_manager.h"

namespace app {

// What the profile lists act on: the window's controls, the devices' memory and links, and the
// pages that show the loaded state.
struct ProfileListContext {
    toolkit::CPaintManagerUI& pm;
    toolkit::HWND owner;  // of the message boxes
    DeviceMirror& devices;
    device::DeviceLink& mouseLink;
    device::DeviceLink& keyboardLink;
    mouse::MousePages& mousePages;
    mousepad::PadPages& padPages;
    PerformancePage performance;
};

// Fills the keyboard's three lists, the mouse's config_list and the mousepad's list from the
// stored lists, creating each list's first profile from its default file on the first run. A
// default file that is missing or damaged is reported and ends the filling of that device's
// lists. config_list then selects its stored entry, which loads that profile.
void InitProfileLists(const ProfileListContext& context);

// The selection of an entry of a profile list: shows the name and link, stores the selection,
// loads the profile and sends it to the device. False when `list` is no profile list.
bool OnProfileSelected(const ProfileListContext& context, toolkit::CControlUI& list);

}  // namespace app
