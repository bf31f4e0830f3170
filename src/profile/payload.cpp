#include "profile/payload.h"

#include <algorithm>

#include "platform/shell/system_parameters.h"
#include "profile/payload_layout.h"

namespace profile {
namespace {

// Copies target.size() bytes of payload from offset into target.
template <typename Target>
void CopyOut(std::span<const uint8_t> payload, size_t offset, Target& target) {
    std::copy_n(payload.begin() + static_cast<ptrdiff_t>(offset), target.size(), target.begin());
}

template <typename Source>
void Append(std::vector<uint8_t>& payload, const Source& source) {
    payload.insert(payload.end(), source.begin(), source.end());
}

// A setting of 0 means "none", which the system cannot apply.
int AtLeastOne(int value) {
    return value == 0 ? 1 : value;
}

}  // namespace

void DistributeMousePayload(mouse::MouseImage& image, ProfileType type,
                            std::span<const uint8_t> payload) {
    using namespace layout;
    switch (type) {
        case ProfileType::kDevice:
            CopyOut(payload, kMouseDeviceKeyMap, image.keyPages[0]);
            CopyOut(payload, kMouseDeviceRecord, image.records[0]);
            image.block.Load(image.records[0]);
            // A device profile leaves the pointer as the system has it.
            image.pointerSpeed = AtLeastOne(platform::shell::GetPointerSpeed());
            image.wheelLines = AtLeastOne(platform::shell::GetWheelScrollLines());
            return;
        case ProfileType::kLight:
            CopyOut(payload, 0, image.records[0]);
            image.block.Load(image.records[0]);
            image.pointerSpeed = AtLeastOne(image.records[0][mouse::kPointerSpeed]);
            image.wheelLines = AtLeastOne(image.records[0][mouse::kWheelLines]);
            return;
        case ProfileType::kKey:
            CopyOut(payload, 0, image.keyPages[0]);
            return;
    }
}

void DistributeKeyboardPayload(keyboard::KeyboardData& data, ProfileType type,
                               std::span<const uint8_t> payload) {
    using namespace layout;
    switch (type) {
        case ProfileType::kDevice:
            CopyOut(payload, kKeyboardDeviceKeyMap, data.keyPages[0]);
            CopyOut(payload, kKeyboardDeviceRecord, data.records[0]);
            CopyOut(payload, kKeyboardDeviceExtras, data.extras);
            data.block.Load(data.records[0]);
            return;
        case ProfileType::kLight:
            CopyOut(payload, kKeyboardLightRecord, data.records[0]);
            CopyOut(payload, kKeyboardLightExtras, data.extras);
            data.block.Load(data.records[0]);
            return;
        case ProfileType::kKey:
            CopyOut(payload, 0, data.keyPages[0]);
            return;
    }
}

void DistributePadPayload(mousepad::PadData& data, std::span<const uint8_t> payload) {
    CopyOut(payload, 0, data.records[0]);
    data.block.Load(data.records[0]);
}

std::vector<uint8_t> BuildMousePayload(mouse::MouseImage& image, ProfileType type) {
    mouse::ParamRecord& record = image.records[0];
    if (type != ProfileType::kKey) {
        image.block.Store(record);
        record[mouse::kPointerSpeed] = static_cast<uint8_t>(image.pointerSpeed);
        record[mouse::kWheelLines] = static_cast<uint8_t>(image.wheelLines);
    }
    std::vector<uint8_t> payload;
    payload.reserve(PayloadSize(DeviceKind::kMouse, type));
    if (type != ProfileType::kLight) {
        Append(payload, image.keyPages[0]);
    }
    if (type != ProfileType::kKey) {
        Append(payload, record);
    }
    return payload;
}

std::vector<uint8_t> BuildKeyboardPayload(keyboard::KeyboardData& data, ProfileType type) {
    if (type != ProfileType::kKey) {
        data.block.Store(data.records[0]);
    }
    std::vector<uint8_t> payload;
    payload.reserve(PayloadSize(DeviceKind::kKeyboard, type));
    if (type != ProfileType::kLight) {
        Append(payload, data.keyPages[0]);
    }
    if (type != ProfileType::kKey) {
        Append(payload, data.records[0]);
        Append(payload, data.extras);
    }
    return payload;
}

std::vector<uint8_t> BuildPadPayload(mousepad::PadData& data) {
    data.block.Store(data.records[0]);
    return {data.records[0].begin(), data.records[0].end()};
}

}  // namespace profile
