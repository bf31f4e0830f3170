#include "sim_links.h"

#include <gtest/gtest.h>

#include "app/data_folders.h"
#include "device/interface_scan.h"
#include "platform/fs/known_folders.h"

namespace kavrin_testing {

SimLinks::SimLinks()
    : documents_(platform::fs::kDocumentsDirVariable, folder.path() + "documents"),
      config_(platform::fs::kConfigDirVariable, folder.path() + "config"),
      program_(platform::fs::kProgramDirVariable, folder.path() + "program") {
    platform::hid::SetBackend(sim.backend());
    device::DeviceLink secondMouse;
    device::AssignIdentity(mouse, device::kMouseIdentity);
    device::AssignIdentity(secondMouse, device::kSecondMouseIdentity);
    device::AssignIdentity(keyboard, device::kKeyboardIdentity);
    device::AssignIdentity(pad, device::kPadIdentity);
    for (device::DeviceLink* link : {&mouse, &keyboard, &pad}) {
        EXPECT_EQ(platform::hid::EnumerateHidPaths(link->hid.paths), 1);
    }
    mouse.connected =
        device::OpenConfigInterface(mouse.hid, device::MouseConfigInterface(mouse, secondMouse));
    keyboard.connected =
        device::OpenConfigInterface(keyboard.hid, device::ConfigInterfaceOf(keyboard));
    pad.connected = device::OpenConfigInterface(pad.hid, device::ConfigInterfaceOf(pad));
    EXPECT_TRUE(mouse.connected && keyboard.connected && pad.connected);
}

std::string SimLinks::DataFile(const std::string& kindFolder, const std::string& name) const {
    return app::GetDataFolder() + kindFolder + "/" + name;
}

}  // namespace kavrin_testing
