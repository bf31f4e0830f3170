#include "keyboard/keyboard_reads.h"

#include <algorithm>

#include "device/commands.h"
#include "device/result_codes.h"
#include "keyboard/keyboard_layout.h"
#include "mouse/record_reread.h"
#include "profile/profile_store.h"

namespace keyboard {
namespace {

constexpr uint16_t kFullColourProductId = 0x0800;
constexpr uint16_t kSingleColourProductId = 0x6556;

size_t KeyCount(const KeyboardDeviceInfo& info) {
    return info[kInfoKeyCount];
}

// Reads one table into a cleared page and takes it only when the keyboard delivered it whole,
// so no byte the keyboard did not send reaches the data or the files.
template <typename Read>
void ReadTable(mouse::KeyMapPage& target, Read read) {
    mouse::KeyMapPage page{};
    if (read(page) == device::kResultSuccess) {
        target = page;
    }
}

}  // namespace

FullReadResult ReadKeyboardAll(device::DeviceLink& link, KeyboardData& data) {
    device::BeginSession(link);
    KeyboardDeviceInfo info{};
    if (device::ReadDeviceInfo(link, info) != device::kResultSuccess) {
        device::EndSession(link);
        return FullReadResult::kNoAnswer;
    }
    data.info = info;
    const size_t keys = KeyCount(info);
    if (keys > kMaxKeyCount) {
        device::EndSession(link);
        return FullReadResult::kTooManyKeys;
    }
    link.length = static_cast<uint16_t>(keys * mouse::kFunctionSize);
    ReadTable(data.defaultKeys, [&](auto& page) { return device::ReadDefaultTable(link, page); });
    ReadTable(data.keyPages[0], [&](auto& page) { return device::ReadKeyTable(link, page, 0); });
    data.block.Load(data.records[0]);
    data.block.Set(mouse::kActiveSlot, 0);
    device::EndSession(link);
    BuildGridMap(data);
    profile::SaveKeyboardProfile(data, profile::ProfileType::kKey);
    profile::SaveKeyboardProfile(data, profile::ProfileType::kDevice);
    return FullReadResult::kRead;
}

void ReadKeyboardParams(device::DeviceLink& link, KeyboardData& data) {
    mouse::RereadRecordZero(link, data.records, data.block);
    profile::SaveKeyboardProfile(data, profile::ProfileType::kDevice);
}

void BuildGridMap(KeyboardData& data) {
    const size_t keys = std::min(KeyCount(data.info), kMaxKeyCount);
    for (size_t slot = 0; slot < kKeySlotCount; ++slot) {
        for (size_t key = 0; key < keys; ++key) {
            const auto code = data.defaultKeys.begin() + key * mouse::kFunctionSize;
            if (std::equal(kKeyboardLayout[slot].begin(), kKeyboardLayout[slot].end(), code)) {
                data.gridMap[slot] = static_cast<int32_t>(key);
                break;
            }
        }
    }
}

std::optional<EffectSet> EffectSetOf(uint16_t productId) {
    switch (productId) {
        case kFullColourProductId:
            return EffectSet::kA;
        case kSingleColourProductId:
            return EffectSet::kB;
        default:
            return std::nullopt;
    }
}

}  // namespace keyboard
