#pragma once

#include "device/device_link.h"
#include "mouse/mouse_image.h"
#include "mouse/mouse_pages.h"

namespace mouse {

// The full read: information block, default table and the five key tables into the image, the
// block from record 0 (as the profile files left it) with slot 0 active. Then the selected
// device profile is stored and the pages refreshed. A failed step leaves its region as it was
// (a chunked read partly overwritten).
void LoadMouseImage(device::DeviceLink& link, MouseImage& image, MousePages& pages);

// The parameter re-read after the mouse changed its settings itself: record 0 and the block
// from the device, slot 0 active; then the light and device profiles are stored and the pages
// refreshed. A read that fails keeps record 0 as held, so no unread bytes reach the files.
void ReloadMouseParams(device::DeviceLink& link, MouseImage& image, MousePages& pages);

// The periodic write-out: when the block is dirty, sends it followed by zeros (56 bytes) to
// offset 0 and clears the flag, whatever the result (also while the mouse is absent).
void FlushMouseParams(device::DeviceLink& link, MouseImage& image);

}  // namespace mouse
