#pragma once

#include <algorithm>
#include <array>

#include "device/commands.h"
#include "device/result_codes.h"
#include "mouse/shared_records.h"

namespace mouse {

// The parameter re-read that mouse and keyboard share: the block goes back into the record its
// slot byte names (nowhere when it names none), then record 0 is read again with slot 0 active
// and becomes the block. A read that fails keeps record 0 as held.
template <size_t N>
void RereadRecordZero(device::DeviceLink& link, ParamRecords& records, ParamBlock<N>& block) {
    if (const auto slot = SlotIndex(block.Get(kActiveSlot))) {
        block.Store(records[*slot]);
    }
    std::array<uint8_t, 1> activeSlot{};
    device::ReadParams(link, 0, activeSlot);  // the firmware expects it; the value is unused

    std::array<uint8_t, kParamTransferSize> buffer{};
    if (device::ReadParams(link, 0, buffer) == device::kResultSuccess) {
        buffer[kActiveSlot] = 0;
        std::ranges::copy(buffer, records[0].begin());
    }
    block.Load(records[0]);
    block.Set(kActiveSlot, 0);
}

}  // namespace mouse
