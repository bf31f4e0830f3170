#pragma once

#include "device/device_link.h"
#include "mousepad/pad_data.h"
#include "mousepad/pad_pages.h"

namespace mousepad {

// The full read: information block, the first 56 bytes of each of the five records (bytes
// 56 … 63 stay as held; a record whose read fails stays as held), and the block from the active
// profile's record with byte 0 = its number. Then the page is refreshed. An active profile number
// that names no record (above 4) leaves the block as it was.
void LoadPadImage(device::DeviceLink& link, PadData& data, PadPages& pages);

// The parameter re-read, without a session: the block goes back into its record, then the
// active profile's record and the block are read again and the page is refreshed. A failed
// read of the active number, or a number above 4, leaves records and block as they were; a
// failed record read keeps the record as held.
void ReloadPadParams(device::DeviceLink& link, PadData& data, PadPages& pages);

}  // namespace mousepad
