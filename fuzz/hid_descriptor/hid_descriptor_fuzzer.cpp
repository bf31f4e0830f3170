// Report descriptors come from the device: parse any bytes, then decode reports built from the
// same bytes with every parsed table.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/hid/input_items.h"
#include "platform/hid/report_descriptor.h"

namespace {

using platform::hid::FieldCaps;
using platform::hid::ReportCaps;

// Every field must lie inside the report length the parser announces.
void CheckFieldsFit(const ReportCaps& caps) {
    const uint64_t bits = uint64_t{caps.byteLength} * 8;
    for (const auto* list : {&caps.buttons, &caps.values}) {
        for (const FieldCaps& cap : *list) {
            const uint64_t fieldCount = cap.reportCount;
            if (cap.bitPosition + uint64_t{cap.reportSize} * fieldCount > bits) {
                __builtin_trap();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    platform::hid::ParsedDescriptor parsed = platform::hid::ParseReportDescriptor(bytes);
    for (const platform::hid::PreparsedData& collection : parsed.collections) {
        for (const ReportCaps& caps : collection.reports) {
            CheckFieldsFit(caps);
        }
        const ReportCaps& input = collection.of(platform::hid::ReportKind::kInput);
        std::vector<platform::hid::HidDataItem> items = platform::hid::BuildInputItems(collection);
        for (uint8_t id : input.reportIds) {
            // Full-length and cut-short reports, filled from the input.
            for (size_t length : {size_t{input.byteLength}, size_t{input.byteLength} / 2}) {
                std::vector<uint8_t> report(length);
                for (size_t i = 0; i < length && size > 0; ++i) {
                    report[i] = data[i % size];
                }
                if (!report.empty()) {
                    report[0] = id;
                }
                platform::hid::UnpackInputReport(items, report, collection);
            }
        }
    }
    return 0;
}
