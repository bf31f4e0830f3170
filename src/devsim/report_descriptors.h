#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace devsim {

// Top-level collections of the simulated devices, in descriptor order.
inline constexpr uint16_t kVendorUsagePage = 0xFF1C;
inline constexpr uint16_t kVendorUsage = 0x0092;
inline constexpr uint16_t kConsumerUsagePage = 0x000C;
inline constexpr uint16_t kConsumerUsage = 0x0001;  // Consumer Control
inline constexpr size_t kVendorCollection = 0;
inline constexpr size_t kConsumerCollection = 1;

// Consumer-control input report: id, then one 16-bit consumer usage (0 when released).
inline constexpr uint8_t kConsumerReportId = 3;
inline constexpr size_t kConsumerReportSize = 3;

// Mouse and keyboard: the vendor collection and the consumer-control collection.
std::span<const uint8_t> VendorAndConsumerDescriptor();
// Mousepad: the vendor collection only.
std::span<const uint8_t> VendorDescriptor();

}  // namespace devsim
