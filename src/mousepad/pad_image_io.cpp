#include "mousepad/pad_image_io.h"

#include <algorithm>
#include <array>
#include <optional>

#include "device/commands.h"
#include "device/result_codes.h"
#include "platform/sys/debug_output.h"

namespace mousepad {
namespace {

using mouse::kParamRecordSize;
using mouse::kParamTransferSize;
using Transfer = std::array<uint8_t, kParamTransferSize>;

uint16_t RecordOffset(size_t record) {
    return static_cast<uint16_t>(record * kParamRecordSize);
}

// The active profile as the device reports it, when the read succeeds and names a record.
std::optional<size_t> ReadActiveProfile(device::DeviceLink& link) {
    std::array<uint8_t, 1> active{};
    if (device::ReadParams(link, kActiveProfileOffset, active) != device::kResultSuccess) {
        return std::nullopt;
    }
    const auto record = mouse::SlotIndex(active[0]);
    if (!record) {
        platform::sys::OutputDebugString("鼠标垫当前配置编号无效");
    }
    return record;
}

void LoadBlockFrom(PadData& data, size_t record) {
    data.block.Load(data.records[record]);
    data.block.Set(mouse::kActiveSlot, static_cast<uint8_t>(record));
}

}  // namespace

void LoadPadImage(device::DeviceLink& link, PadData& data, PadPages& pages) {
    device::BeginSession(link);
    device::ReadDeviceInfo(link, data.info);
    // A record whose read fails keeps what it held, rather than another record's bytes.
    for (size_t record = 0; record < data.records.size(); ++record) {
        Transfer buffer{};
        if (device::ReadParams(link, RecordOffset(record), buffer) == device::kResultSuccess) {
            std::ranges::copy(buffer, data.records[record].begin());
        }
    }
    if (const auto active = ReadActiveProfile(link)) {
        LoadBlockFrom(data, *active);
    }
    device::EndSession(link);
    pages.RefreshPadLightPage();
}

void ReloadPadParams(device::DeviceLink& link, PadData& data, PadPages& pages) {
    if (const auto held = mouse::SlotIndex(data.block.Get(mouse::kActiveSlot))) {
        data.block.Store(data.records[*held]);
    }
    if (const auto active = ReadActiveProfile(link)) {
        Transfer buffer{};
        if (device::ReadParams(link, RecordOffset(*active), buffer) == device::kResultSuccess) {
            buffer[mouse::kActiveSlot] = static_cast<uint8_t>(*active);
            std::ranges::copy(buffer, data.records[*active].begin());
        }
        LoadBlockFrom(data, *active);
    }
    pages.RefreshPadLightPage();
}

}  // namespace mousepad
