#include "platform/hid/report_fields.h"

#include <optional>

namespace platform::hid {
namespace {

// The field of `size` bits at `bitPosition`, little-endian; nothing when it lies outside.
std::optional<uint32_t> ReadBits(std::span<const uint8_t> report, uint32_t bitPosition,
                                 uint32_t size) {
    if (size == 0 || size > 32 || uint64_t{bitPosition} + size > uint64_t{report.size()} * 8) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (uint32_t i = 0; i < size; ++i) {
        const uint32_t bit = bitPosition + i;
        value |= uint64_t{(report[bit / 8] >> (bit % 8)) & 1u} << i;
    }
    return static_cast<uint32_t>(value);
}

int64_t SignExtended(uint32_t raw, const FieldCaps& cap) {
    if (cap.logicalMin < 0 && cap.reportSize < 32 && (raw >> (cap.reportSize - 1)) & 1u) {
        return int64_t{raw} - (int64_t{1} << cap.reportSize);
    }
    return cap.logicalMin < 0 ? int64_t{static_cast<int32_t>(raw)} : int64_t{raw};
}

bool HasUsage(const FieldCaps& cap, uint16_t usagePage, uint16_t usage) {
    return cap.usagePage == usagePage && usage >= cap.usageMin && usage <= cap.usageMax;
}

// Finds the value field of a usage in the report's id; the status says why there is none.
HidStatus FindValue(const PreparsedData& preparsed, uint16_t usagePage, uint16_t usage,
                    std::span<const uint8_t> report, const FieldCaps*& found, uint32_t& raw) {
    if (report.empty()) {
        return HidStatus::kInvalidReportLength;
    }
    bool inOtherReport = false;
    for (const FieldCaps& cap : preparsed.of(ReportKind::kInput).values) {
        if (!HasUsage(cap, usagePage, usage)) {
            continue;
        }
        if (cap.reportId != report[0]) {
            inOtherReport = true;
            continue;
        }
        const uint32_t field = cap.isRange ? usage - cap.usageMin : 0;
        std::optional<uint32_t> bits =
            ReadBits(report, cap.bitPosition + field * cap.reportSize, cap.reportSize);
        if (!bits) {
            return HidStatus::kInvalidReportLength;
        }
        found = &cap;
        raw = *bits;
        return HidStatus::kSuccess;
    }
    return inOtherReport ? HidStatus::kIncompatibleReportId : HidStatus::kUsageNotFound;
}

class UsageSink {
public:
    explicit UsageSink(std::span<uint16_t> usages) : usages_(usages) {}
    void Add(uint16_t usage) {
        if (count_ < usages_.size()) {
            usages_[count_] = usage;
        }
        ++count_;
    }
    size_t count() const { return count_; }
    bool overflowed() const { return count_ > usages_.size(); }

private:
    std::span<uint16_t> usages_;
    size_t count_ = 0;
};

// False when a field lies outside the report.
bool CollectPressed(const FieldCaps& cap, std::span<const uint8_t> report, UsageSink& sink) {
    for (uint32_t i = 0; i < cap.reportCount; ++i) {
        std::optional<uint32_t> bits =
            ReadBits(report, cap.bitPosition + i * cap.reportSize, cap.reportSize);
        if (!bits) {
            return false;
        }
        if (!cap.isArray) {
            if (*bits != 0) {
                sink.Add(cap.isRange ? static_cast<uint16_t>(cap.usageMin + i) : cap.usageMin);
            }
            continue;
        }
        const int64_t index = SignExtended(*bits, cap) - cap.logicalMin - cap.arrayIndexBase;
        const int64_t span = int64_t{cap.usageMax} - cap.usageMin;
        const int64_t usage = cap.usageMin + index;
        // Usage 0 means "no event" on every page.
        if (index >= 0 && index <= span && usage != 0) {
            sink.Add(static_cast<uint16_t>(usage));
        }
    }
    return true;
}

}  // namespace

HidStatus GetPressedUsages(const PreparsedData& preparsed, uint16_t usagePage,
                           std::span<const uint8_t> report, std::span<uint16_t> usages,
                           size_t& count) {
    count = 0;
    if (report.empty()) {
        return HidStatus::kInvalidReportLength;
    }
    UsageSink sink(usages);
    bool pageFound = false;
    bool inThisReport = false;
    for (const FieldCaps& cap : preparsed.of(ReportKind::kInput).buttons) {
        if (cap.usagePage != usagePage) {
            continue;
        }
        pageFound = true;
        if (cap.reportId != report[0]) {
            continue;
        }
        inThisReport = true;
        if (!CollectPressed(cap, report, sink)) {
            return HidStatus::kInvalidReportLength;
        }
    }
    count = sink.count();
    if (!inThisReport) {
        return pageFound ? HidStatus::kIncompatibleReportId : HidStatus::kUsageNotFound;
    }
    return sink.overflowed() ? HidStatus::kBufferTooSmall : HidStatus::kSuccess;
}

HidStatus GetUsageValue(const PreparsedData& preparsed, uint16_t usagePage, uint16_t usage,
                        std::span<const uint8_t> report, uint32_t& value) {
    value = 0;
    const FieldCaps* cap = nullptr;
    return FindValue(preparsed, usagePage, usage, report, cap, value);
}

HidStatus GetScaledUsageValue(const PreparsedData& preparsed, uint16_t usagePage, uint16_t usage,
                              std::span<const uint8_t> report, int32_t& value) {
    value = 0;
    const FieldCaps* cap = nullptr;
    uint32_t raw = 0;
    HidStatus status = FindValue(preparsed, usagePage, usage, report, cap, raw);
    if (status != HidStatus::kSuccess) {
        return status;
    }
    const int64_t logicalMin = cap->logicalMin;
    const int64_t logicalMax = cap->logicalMax;
    int64_t physicalMin = cap->physicalMin;
    int64_t physicalMax = cap->physicalMax;
    if (physicalMin == 0 && physicalMax == 0) {
        physicalMin = logicalMin;
        physicalMax = logicalMax;
    }
    if (logicalMin >= logicalMax || physicalMin >= physicalMax) {
        return HidStatus::kBadLogPhyValues;
    }
    const int64_t logical = SignExtended(raw, *cap);
    if (logical < logicalMin || logical > logicalMax) {
        return cap->hasNull ? HidStatus::kNull : HidStatus::kValueOutOfRange;
    }
    int64_t product = 0;
    if (__builtin_mul_overflow(logical - logicalMin, physicalMax - physicalMin, &product)) {
        // Only 32-bit ranges on both sides get here; the rounding of long double is harmless.
        value = static_cast<int32_t>(physicalMin + static_cast<long double>(logical - logicalMin) *
                                                       (physicalMax - physicalMin) /
                                                       (logicalMax - logicalMin));
    } else {
        value = static_cast<int32_t>(physicalMin + product / (logicalMax - logicalMin));
    }
    return HidStatus::kSuccess;
}

}  // namespace platform::hid
