#pragma once

#include "keyboard/keyboard_data.h"
#include "mouse/mouse_image.h"
#include "mousepad/pad_data.h"
#include "profile/profile_store.h"

namespace app {

// What the program holds of the three devices' memory; touched on the UI thread, except the
// atomic parameter bytes and flags that background threads read.
struct DeviceMirror {
    mouse::MouseImage mouse;
    keyboard::KeyboardData keyboard;
    mousepad::PadData pad;

    profile::DeviceState State() { return {mouse, keyboard, pad}; }
};

}  // namespace app
