#include "platform/hid/input_items.h"

#include <algorithm>

#include "platform/hid/report_fields.h"

namespace platform::hid {

std::vector<HidDataItem> BuildInputItems(const PreparsedData& preparsed) {
    const ReportCaps& input = preparsed.of(ReportKind::kInput);
    std::vector<HidDataItem> items;
    for (const ButtonCaps& cap : input.buttons) {
        HidDataItem& item = items.emplace_back();
        item.isButton = true;
        item.usagePage = cap.usagePage;
        item.status = static_cast<uint32_t>(HidStatus::kSuccess);
        item.reportId = cap.reportId;
        item.usageMin = cap.usageMin;
        item.usageMax = cap.usageMax;
        item.usages.assign(preparsed.MaxUsageListLength(ReportKind::kInput, cap.usagePage), 0);
    }
    for (const ValueCaps& cap : input.values) {
        for (uint32_t usage = cap.usageMin; usage <= cap.usageMax; ++usage) {
            HidDataItem& item = items.emplace_back();
            item.usagePage = cap.usagePage;
            item.usage = static_cast<uint16_t>(usage);
            item.reportId = cap.reportId;
        }
    }
    return items;
}

namespace {

void UnpackButtons(HidDataItem& item, std::span<const uint8_t> report,
                   const PreparsedData& preparsed) {
    size_t count = 0;
    const HidStatus status =
        GetPressedUsages(preparsed, item.usagePage, report, item.usages, count);
    // The parser lists every pressed usage of the page; keep this item's range, in order.
    const size_t listed = std::min(count, item.usages.size());
    size_t kept = 0;
    for (size_t i = 0; i < listed; ++i) {
        const uint16_t usage = item.usages[i];
        if (usage >= item.usageMin && usage <= item.usageMax) {
            item.usages[kept++] = usage;
        }
    }
    if (kept < item.usages.size()) {
        item.usages[kept] = 0;
    }
    item.status = static_cast<uint32_t>(status);
}

bool UnpackValue(HidDataItem& item, std::span<const uint8_t> report,
                 const PreparsedData& preparsed) {
    HidStatus status = GetUsageValue(preparsed, item.usagePage, item.usage, report, item.rawValue);
    if (status != HidStatus::kSuccess) {
        item.status = static_cast<uint32_t>(status);
        return false;
    }
    status = GetScaledUsageValue(preparsed, item.usagePage, item.usage, report, item.scaledValue);
    item.status = static_cast<uint32_t>(status);
    return true;
}

}  // namespace

bool UnpackInputReport(std::span<HidDataItem> items, std::span<const uint8_t> report,
                       const PreparsedData& preparsed) {
    if (report.empty()) {
        return false;
    }
    for (HidDataItem& item : items) {
        if (item.reportId != report[0]) {
            continue;
        }
        if (item.isButton) {
            UnpackButtons(item, report, preparsed);
        } else if (!UnpackValue(item, report, preparsed)) {
            return false;
        }
        item.isSet = true;
    }
    return true;
}

}  // namespace platform::hid
