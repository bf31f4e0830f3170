#pragma once

#include <array>
#include <atomic>

#include "device/commands.h"
#include "mouse/shared_records.h"

namespace mouse {

// The periodic write-out of a parameter block, the same for all three devices: when dirty, the
// block followed by zeros (one report's 56 bytes) goes to offset 0 and the flag is cleared,
// whatever the result, so an absent device costs nothing and later edits try again.
template <size_t N>
void FlushParamBlock(device::DeviceLink& link, const ParamBlock<N>& block,
                     std::atomic<bool>& dirty) {
    if (!dirty.exchange(false)) {
        return;
    }
    std::array<uint8_t, kParamTransferSize> buffer{};
    block.Store(buffer);
    device::WriteParams(link, 0, buffer);
}

}  // namespace mouse
