#include "mouse/mouse_image_io.h"

#include <array>

#include "device/commands.h"
#include "mouse/param_flush.h"
#include "mouse/record_reread.h"
#include "profile/profile_store.h"

namespace mouse {

void LoadMouseImage(device::DeviceLink& link, MouseImage& image, MousePages& pages) {
    device::BeginSession(link);
    device::ReadDeviceInfo(link, image.info);
    device::ReadDefaultTable(link, image.defaultKeys);
    for (unsigned index = 0; index < kKeyMapPageCount; ++index) {
        device::ReadKeyTable(link, image.keyPages[index], index);
    }
    image.block.Load(image.records[0]);
    image.block.Set(kActiveSlot, 0);
    device::EndSession(link);
    profile::SaveMouseProfile(image, profile::ProfileType::kDevice);
    pages.RefreshMousePages();
}

void ReloadMouseParams(device::DeviceLink& link, MouseImage& image, MousePages& pages) {
    RereadRecordZero(link, image.records, image.block);
    profile::SaveMouseProfile(image, profile::ProfileType::kLight);
    profile::SaveMouseProfile(image, profile::ProfileType::kDevice);
    pages.RefreshMousePages();
}

void FlushMouseParams(device::DeviceLink& link, MouseImage& image) {
    // Bytes 41 and up of the records (pointer speed, wheel lines) never reach the device.
    FlushParamBlock(link, image.block, image.paramsDirty);
}

}  // namespace mouse
