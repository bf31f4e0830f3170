#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "devsim/device_memory.h"

namespace devsim {

enum class DeviceKind { kMouse, kKeyboard, kPad };
inline constexpr DeviceKind kAllDeviceKinds[] = {DeviceKind::kMouse, DeviceKind::kKeyboard,
                                                 DeviceKind::kPad};

struct Identity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    bool operator==(const Identity&) const = default;
};

// What stays the same for every unit of one device kind.
struct DeviceModel {
    DeviceKind kind;
    std::string_view name;  // in paths and in the --simulate list
    uint16_t vendorId;
    std::span<const uint16_t> productIds;  // the first is the one plugged by default
    uint16_t versionNumber;
    // Mouse and keyboard also have a consumer-control collection for their change notices.
    std::span<const uint8_t> (*reportDescriptor)();
    DeviceMemory (*factoryMemory)();
};

const DeviceModel& ModelOf(DeviceKind kind);
// Null when no model has that name.
const DeviceModel* FindModel(std::string_view name);
bool HasProductId(const DeviceModel& model, uint16_t productId);

}  // namespace devsim
