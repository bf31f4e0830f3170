#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/hid/report_descriptor.h"

namespace platform::hid {

// Status codes of the report queries; the values are the HID class driver's.
enum class HidStatus : uint32_t {
    kSuccess = 0x00110000,
    kNull = 0x80110001,  // the field holds its null (out of range) value
    kInvalidReportLength = 0xC0110003,
    kUsageNotFound = 0xC0110004,
    kValueOutOfRange = 0xC0110005,
    kBadLogPhyValues = 0xC0110006,
    kBufferTooSmall = 0xC0110007,
    kIncompatibleReportId = 0xC011000A,
};

// Usages of `usagePage` pressed in an input report (report[0] is its id), in report order.
// Fills `usages` as far as it goes and counts every pressed usage in `count`;
// kBufferTooSmall when they did not all fit.
HidStatus GetPressedUsages(const PreparsedData& preparsed, uint16_t usagePage,
                           std::span<const uint8_t> report, std::span<uint16_t> usages,
                           size_t& count);

// The raw bits of the first field of value usage (usagePage, usage) in an input report.
HidStatus GetUsageValue(const PreparsedData& preparsed, uint16_t usagePage, uint16_t usage,
                        std::span<const uint8_t> report, uint32_t& value);

// The same value scaled from its logical to its physical range (logical when no physical range
// is given).
HidStatus GetScaledUsageValue(const PreparsedData& preparsed, uint16_t usagePage, uint16_t usage,
                              std::span<const uint8_t> report, int32_t& value);

}  // namespace platform::hid
