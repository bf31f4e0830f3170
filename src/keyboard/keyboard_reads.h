#pragma once

#include <cstdint>
#include <optional>

#include "device/device_link.h"
#include "keyboard/keyboard_data.h"

namespace keyboard {

enum class FullReadResult {
    kRead,
    kNoAnswer,     // the keyboard delivered nothing: nothing changed, nothing stored
    kTooManyKeys,  // more than kMaxKeyCount keys: only the information block was taken
};

// The full read: information block, the key count n, the link's transfer length set to 3n,
// default table and key table 0 (each only when delivered, zero beyond 3n), the block from
// record 0 with slot 0 active, the grid map; then the key and device profiles are stored. The
// caller tells the user about kTooManyKeys.
FullReadResult ReadKeyboardAll(device::DeviceLink& link, KeyboardData& data);

// The parameter re-read: the block back into its record, record 0 and the block from the
// keyboard (kept as held when the read fails), then the device profile is stored.
void ReadKeyboardParams(device::DeviceLink& link, KeyboardData& data);

// For each key slot, the first device key whose factory function is the slot's layout code;
// slots that no key matches keep their entry.
void BuildGridMap(KeyboardData& data);

// The model a keyboard product id means; nothing for an id that leaves the model as it was.
std::optional<EffectSet> EffectSetOf(uint16_t productId);

}  // namespace keyboard
