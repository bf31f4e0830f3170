#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/hid/report_descriptor.h"

namespace platform::hid {

// One entry of the input decoding table: a button capability (usages pressed within
// usageMin..usageMax, 0-terminated when fewer than the list holds) or one usage of a value
// capability.
struct HidDataItem {
    bool isButton = false;
    uint16_t usagePage = 0;
    uint32_t status = 0;  // HidStatus of the last decode
    uint8_t reportId = 0;
    bool isSet = false;
    // Button entries.
    uint32_t usageMin = 0;
    uint32_t usageMax = 0;
    std::vector<uint16_t> usages;  // capacity = the parser's maximum usage-list length
    // Value entries.
    uint16_t usage = 0;
    uint32_t rawValue = 0;
    int32_t scaledValue = 0;
};

// The decoding table of a collection's input reports: one item per button capability, then one
// per usage of every value capability.
std::vector<HidDataItem> BuildInputItems(const PreparsedData& preparsed);

// Decodes one input report into the items whose report id equals report[0]. False at the first
// value that cannot be read; items decoded before stay set.
bool UnpackInputReport(std::span<HidDataItem> items, std::span<const uint8_t> report,
                       const PreparsedData& preparsed);

}  // namespace platform::hid
