#include "devsim/report_descriptors.h"

#include <algorithm>
#include <array>

namespace devsim {
namespace {

// Report id 4 with 63 data bytes in both directions.
constexpr auto kVendor = std::to_array<uint8_t>({
    0x06, 0x1C, 0xFF,  // Usage Page (0xFF1C)
    0x09, 0x92,        // Usage (0x92)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x04,        //   Report ID (4)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x3F,        //   Report Count (63)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x09, 0x01,        //   Usage (1)
    0x91, 0x02,        //   Output (Data, Variable, Absolute)
    0xC0,              // End Collection
});

// One consumer usage per report, as an array field (0 = nothing pressed).
constexpr auto kConsumer = std::to_array<uint8_t>({
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x03,        //   Report ID (3)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x0F,  //   Logical Maximum (0x0FFF)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0xFF, 0x0F,  //   Usage Maximum (0x0FFF)
    0x75, 0x10,        //   Report Size (16)
    0x95, 0x01,        //   Report Count (1)
    0x81, 0x00,        //   Input (Data, Array, Absolute)
    0xC0,              // End Collection
});

template <size_t A, size_t B>
constexpr std::array<uint8_t, A + B> Concat(const std::array<uint8_t, A>& first,
                                            const std::array<uint8_t, B>& second) {
    std::array<uint8_t, A + B> joined{};
    std::copy(first.begin(), first.end(), joined.begin());
    std::copy(second.begin(), second.end(), joined.begin() + A);
    return joined;
}

constexpr auto kVendorAndConsumer = Concat(kVendor, kConsumer);

}  // namespace

std::span<const uint8_t> VendorAndConsumerDescriptor() {
    return kVendorAndConsumer;
}
std::span<const uint8_t> VendorDescriptor() {
    return kVendor;
}

}  // namespace devsim
