#include "devsim/device_kind.h"

#include <algorithm>

#include "devsim/keyboard_model.h"
#include "devsim/mouse_model.h"
#include "devsim/pad_model.h"
#include "devsim/report_descriptors.h"

namespace devsim {
namespace {

constexpr DeviceModel kModels[] = {
    {DeviceKind::kMouse, "mouse", mouse::kVendorId, mouse::kProductIds, mouse::kVersionNumber,
     VendorAndConsumerDescriptor, mouse::FactoryMemory},
    {DeviceKind::kKeyboard, "keyboard", keyboard::kVendorId, keyboard::kProductIds,
     keyboard::kVersionNumber, VendorAndConsumerDescriptor, keyboard::FactoryMemory},
    {DeviceKind::kPad, "pad", pad::kVendorId, pad::kProductIds, pad::kVersionNumber,
     VendorDescriptor, pad::FactoryMemory},
};

}  // namespace

const DeviceModel& ModelOf(DeviceKind kind) {
    return *std::find_if(std::begin(kModels), std::end(kModels),
                         [kind](const DeviceModel& model) { return model.kind == kind; });
}

const DeviceModel* FindModel(std::string_view name) {
    auto found = std::find_if(std::begin(kModels), std::end(kModels),
                              [name](const DeviceModel& model) { return model.name == name; });
    return found == std::end(kModels) ? nullptr : &*found;
}

bool HasProductId(const DeviceModel& model, uint16_t productId) {
    return std::find(model.productIds.begin(), model.productIds.end(), productId) !=
           model.productIds.end();
}

}  // namespace devsim
