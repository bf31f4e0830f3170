#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::hid {

enum class ReportKind : uint8_t { kInput, kOutput, kFeature };
inline constexpr size_t kReportKindCount = 3;

// One main item (or the part of it that one usage entry covers), as the HID parser reports it.
// Bit positions count from the start of the report including its id byte, which is always
// present above the backends (0 when the device has no report ids), so the first data bit is 8.
struct FieldCaps {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
    bool isRange = false;
    uint16_t usageMin = 0;  // a single usage is stored as min == max
    uint16_t usageMax = 0;
    bool isArray = false;     // array item: each field holds an index into the usage list
    bool isConstant = false;  // constant data (padding is never reported as a capability)
    bool isAbsolute = true;
    bool hasNull = false;
    uint16_t bitField = 0;     // the main item's data bits as written in the descriptor
    uint32_t bitPosition = 0;  // first bit of the first field
    uint16_t reportSize = 0;   // bits per field
    uint16_t reportCount = 0;  // fields covered by this entry
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    uint32_t unit = 0;
    int8_t unitExponent = 0;
    // Array items only: index (field value - logicalMin) of usageMin within the item's usage
    // list, so several usage entries can share one array field.
    uint32_t arrayIndexBase = 0;
};
using ButtonCaps = FieldCaps;
using ValueCaps = FieldCaps;

struct ReportCaps {
    // Longest report of this kind plus the id byte (counted even without report ids); 0 when the
    // collection has no report of this kind.
    uint16_t byteLength = 0;
    std::vector<uint8_t> reportIds;  // sorted, unique
    std::vector<ButtonCaps> buttons;
    std::vector<ValueCaps> values;
};

// One top-level collection of a report descriptor.
struct PreparsedData {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t linkCollectionCount = 0;  // the collection itself and every collection inside it
    bool usesReportIds = false;        // the descriptor declares report ids (for any collection)
    std::array<ReportCaps, kReportKindCount> reports;

    const ReportCaps& of(ReportKind kind) const { return reports[static_cast<size_t>(kind)]; }
    ReportCaps& of(ReportKind kind) { return reports[static_cast<size_t>(kind)]; }
    // Most usages of `usagePage` that one report of this kind can hold pressed at once.
    uint32_t MaxUsageListLength(ReportKind kind, uint16_t usagePage) const;
};

enum class DescriptorError {
    kNone,
    kTruncatedItem,
    kUnbalancedCollection,  // End Collection without Collection, or collections left open
    kUnbalancedPushPop,
    kNestingTooDeep,
    kInvalidReportId,    // Report ID 0 or a value above 255
    kInvalidReportSize,  // a data field wider than 32 bits
    kReportTooLong,      // a report grows beyond kMaxReportBytes
    kTooManyUsages,
    kNoCollections,
};

struct ParsedDescriptor {
    DescriptorError error = DescriptorError::kNone;
    size_t errorOffset = 0;  // byte offset of the item that caused the error
    std::vector<PreparsedData> collections;

    bool ok() const { return error == DescriptorError::kNone; }
};

inline constexpr size_t kMaxReportBytes = 4096;

// Parses a report descriptor into one PreparsedData per top-level collection. On error the
// result carries no collections.
ParsedDescriptor ParseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace platform::hid
