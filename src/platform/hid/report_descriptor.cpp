#include "platform/hid/report_descriptor.h"

#include <algorithm>
#include <optional>

namespace platform::hid {
namespace {

// Item tags (HID 1.11, 6.2.2), type in bits 2-3 and tag in bits 4-7 of the prefix byte.
enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};
enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kLogicalMin = 0x1,
    kLogicalMax = 0x2,
    kPhysicalMin = 0x3,
    kPhysicalMax = 0x4,
    kUnitExponent = 0x5,
    kUnit = 0x6,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : uint8_t { kUsage = 0x0, kUsageMin = 0x1, kUsageMax = 0x2 };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint16_t kFlagConstant = 0x01;
constexpr uint16_t kFlagVariable = 0x02;
constexpr uint16_t kFlagRelative = 0x04;
constexpr uint16_t kFlagNullState = 0x40;

constexpr size_t kMaxNesting = 32;
constexpr size_t kMaxPushDepth = 16;
constexpr size_t kMaxUsagesPerItem = 1024;
constexpr uint32_t kMaxFieldBits = 32;

struct Item {
    uint8_t type = 0;
    uint8_t tag = 0;
    uint8_t size = 0;
    uint32_t data = 0;

    int32_t Signed() const {
        switch (size) {
            case 1:
                return static_cast<int8_t>(data);
            case 2:
                return static_cast<int16_t>(data);
            default:
                return static_cast<int32_t>(data);
        }
    }
};

struct GlobalState {
    uint16_t usagePage = 0;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    int8_t unitExponent = 0;
    uint32_t unit = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

// A usage or usage range; the page is explicit when the usage was written with 32 bits,
// otherwise the usage page in effect at the main item applies.
struct UsageEntry {
    std::optional<uint16_t> page;
    uint16_t min = 0;
    uint16_t max = 0;
    bool isRange = false;
    uint32_t count() const { return uint32_t{max} - min + 1; }
};

struct LocalState {
    std::vector<UsageEntry> usages;
    std::optional<Item> pendingMin;
};

class Parser {
public:
    explicit Parser(std::span<const uint8_t> descriptor) : bytes_(descriptor) {}

    ParsedDescriptor Run() {
        while (offset_ < bytes_.size() && error_ == DescriptorError::kNone) {
            itemOffset_ = offset_;
            std::optional<Item> item = NextItem();
            if (!item) {
                Fail(DescriptorError::kTruncatedItem);
                break;
            }
            Handle(*item);
        }
        if (error_ == DescriptorError::kNone && !open_.empty()) {
            Fail(DescriptorError::kUnbalancedCollection);
        }
        if (error_ == DescriptorError::kNone && collections_.empty()) {
            Fail(DescriptorError::kNoCollections);
        }
        ParsedDescriptor result;
        result.error = error_;
        if (error_ != DescriptorError::kNone) {
            result.errorOffset = itemOffset_;
            return result;
        }
        for (PreparsedData& collection : collections_) {
            Finish(collection);
        }
        result.collections = std::move(collections_);
        return result;
    }

private:
    std::optional<Item> NextItem() {
        uint8_t prefix = bytes_[offset_];
        if (prefix == kLongItemPrefix) {
            // Long items carry no meaning for report layout; skip them whole.
            if (offset_ + 3 > bytes_.size() || offset_ + 3 + bytes_[offset_ + 1] > bytes_.size()) {
                return std::nullopt;
            }
            offset_ += 3 + bytes_[offset_ + 1];
            return Item{0xFF, 0xFF, 0, 0};
        }
        static constexpr uint8_t kSizes[] = {0, 1, 2, 4};
        Item item;
        item.size = kSizes[prefix & 0x3];
        item.type = (prefix >> 2) & 0x3;
        item.tag = prefix >> 4;
        if (offset_ + 1 + item.size > bytes_.size()) {
            return std::nullopt;
        }
        for (uint8_t i = 0; i < item.size; ++i) {
            item.data |= uint32_t{bytes_[offset_ + 1 + i]} << (8 * i);
        }
        offset_ += 1 + item.size;
        return item;
    }

    void Fail(DescriptorError error) {
        if (error_ == DescriptorError::kNone) {
            error_ = error;
        }
    }

    void Handle(const Item& item) {
        switch (item.type) {
            case kMain:
                HandleMain(item);
                local_ = LocalState{};
                break;
            case kGlobal:
                HandleGlobal(item);
                break;
            case kLocal:
                HandleLocal(item);
                break;
            default:
                break;  // reserved type and long items
        }
    }

    void HandleGlobal(const Item& item) {
        switch (item.tag) {
            case kUsagePage:
                global_.usagePage = static_cast<uint16_t>(item.data);
                break;
            case kLogicalMin:
                global_.logicalMin = item.Signed();
                break;
            case kLogicalMax:
                // Many descriptors write e.g. 255 in one byte; with a non-negative minimum the
                // maximum is read as unsigned.
                global_.logicalMax =
                    global_.logicalMin >= 0 ? static_cast<int32_t>(item.data) : item.Signed();
                break;
            case kPhysicalMin:
                global_.physicalMin = item.Signed();
                break;
            case kPhysicalMax:
                global_.physicalMax =
                    global_.physicalMin >= 0 ? static_cast<int32_t>(item.data) : item.Signed();
                break;
            case kUnitExponent:
                global_.unitExponent = UnitExponent(item.Signed());
                break;
            case kUnit:
                global_.unit = item.data;
                break;
            case kReportSize:
                global_.reportSize = item.data;
                break;
            case kReportCount:
                global_.reportCount = item.data;
                break;
            case kReportId:
                if (item.data == 0 || item.data > 0xFF) {
                    Fail(DescriptorError::kInvalidReportId);
                    return;
                }
                global_.reportId = static_cast<uint8_t>(item.data);
                usesReportIds_ = true;
                break;
            case kPush:
                if (pushed_.size() >= kMaxPushDepth) {
                    Fail(DescriptorError::kUnbalancedPushPop);
                    return;
                }
                pushed_.push_back(global_);
                break;
            case kPop:
                if (pushed_.empty()) {
                    Fail(DescriptorError::kUnbalancedPushPop);
                    return;
                }
                global_ = pushed_.back();
                pushed_.pop_back();
                break;
            default:
                break;
        }
    }

    void HandleLocal(const Item& item) {
        switch (item.tag) {
            case kUsage:
                AddUsage(ToEntry(item, item));
                break;
            case kUsageMin:
                local_.pendingMin = item;
                break;
            case kUsageMax: {
                Item min = local_.pendingMin.value_or(item);
                local_.pendingMin.reset();
                UsageEntry entry = ToEntry(min, item);
                entry.isRange = true;
                AddUsage(entry);
                break;
            }
            default:
                break;  // designators, strings and delimiters do not affect the layout
        }
    }

    // The exponent is a signed nibble, though some descriptors write a whole signed byte.
    static int8_t UnitExponent(int32_t raw) {
        if (raw >= 0 && raw <= 0xF) {
            return static_cast<int8_t>(raw >= 8 ? raw - 16 : raw);
        }
        return static_cast<int8_t>(raw);
    }

    static UsageEntry ToEntry(const Item& min, const Item& max) {
        UsageEntry entry;
        if (min.size == 4) {
            entry.page = static_cast<uint16_t>(min.data >> 16);
        }
        entry.min = static_cast<uint16_t>(min.data);
        entry.max = std::max(entry.min, static_cast<uint16_t>(max.data));
        return entry;
    }

    void AddUsage(const UsageEntry& entry) {
        if (local_.usages.size() >= kMaxUsagesPerItem) {
            Fail(DescriptorError::kTooManyUsages);
            return;
        }
        local_.usages.push_back(entry);
    }

    uint16_t PageOf(const UsageEntry& entry) const {
        return entry.page.value_or(global_.usagePage);
    }

    void HandleMain(const Item& item) {
        switch (item.tag) {
            case kCollection:
                OpenCollection();
                break;
            case kEndCollection:
                if (open_.empty()) {
                    Fail(DescriptorError::kUnbalancedCollection);
                    return;
                }
                open_.pop_back();
                break;
            case kInput:
                AddField(ReportKind::kInput, item);
                break;
            case kOutput:
                AddField(ReportKind::kOutput, item);
                break;
            case kFeature:
                AddField(ReportKind::kFeature, item);
                break;
            default:
                break;
        }
    }

    void OpenCollection() {
        if (open_.size() >= kMaxNesting) {
            Fail(DescriptorError::kNestingTooDeep);
            return;
        }
        if (open_.empty()) {
            PreparsedData collection;
            if (!local_.usages.empty()) {
                collection.usagePage = PageOf(local_.usages.front());
                collection.usage = local_.usages.front().min;
            }
            collections_.push_back(std::move(collection));
        }
        ++collections_.back().linkCollectionCount;
        open_.push_back(collections_.size() - 1);
    }

    void AddField(ReportKind kind, const Item& item) {
        const uint16_t flags = static_cast<uint16_t>(item.data);
        const bool constant = flags & kFlagConstant;
        if (!constant && global_.reportSize > kMaxFieldBits) {
            Fail(DescriptorError::kInvalidReportSize);
            return;
        }
        uint32_t& bits = reportBits_[static_cast<size_t>(kind)][global_.reportId];
        const uint64_t fieldBits = uint64_t{global_.reportSize} * global_.reportCount;
        if (bits + fieldBits > uint64_t{kMaxReportBytes} * 8) {
            Fail(DescriptorError::kReportTooLong);
            return;
        }
        const uint32_t firstBit = 8 + bits;
        bits += static_cast<uint32_t>(fieldBits);
        if (open_.empty()) {
            return;  // outside every collection: takes room in the report, owned by nobody
        }
        ReportCaps& caps = collections_[open_.front()].of(kind);
        caps.reportIds.push_back(global_.reportId);
        if (global_.reportCount == 0 || global_.reportSize == 0 ||
            (constant && (local_.usages.empty() || global_.reportSize > kMaxFieldBits))) {
            return;  // padding
        }
        if (local_.usages.empty()) {
            local_.usages.push_back(UsageEntry{});
        }
        FieldCaps base;
        base.reportId = global_.reportId;
        base.isArray = !(flags & kFlagVariable);
        base.isConstant = constant;
        base.isAbsolute = !(flags & kFlagRelative);
        base.hasNull = flags & kFlagNullState;
        base.bitField = flags;
        base.reportSize = static_cast<uint16_t>(global_.reportSize);
        base.logicalMin = global_.logicalMin;
        base.logicalMax = global_.logicalMax;
        base.physicalMin = global_.physicalMin;
        base.physicalMax = global_.physicalMax;
        base.unit = global_.unit;
        base.unitExponent = global_.unitExponent;
        const bool isButton = base.isArray || global_.reportSize == 1;
        std::vector<FieldCaps>& out = isButton ? caps.buttons : caps.values;
        if (base.isArray) {
            AddArrayCaps(base, firstBit, out);
        } else {
            AddVariableCaps(base, firstBit, out);
        }
    }

    // Every usage entry of an array shares its fields; a field's value selects the usage.
    void AddArrayCaps(const FieldCaps& base, uint32_t firstBit, std::vector<FieldCaps>& out) {
        uint32_t index = 0;
        for (const UsageEntry& entry : local_.usages) {
            FieldCaps cap = base;
            cap.usagePage = PageOf(entry);
            cap.isRange = entry.isRange;
            cap.usageMin = entry.min;
            cap.usageMax = entry.max;
            cap.bitPosition = firstBit;
            cap.reportCount =
                static_cast<uint16_t>(std::min<uint32_t>(global_.reportCount, 0xFFFF));
            cap.arrayIndexBase = index;
            index += entry.count();
            out.push_back(cap);
        }
    }

    // Usage entries take the fields in order; the last one takes what is left, and entries
    // beyond the last field are dropped.
    void AddVariableCaps(const FieldCaps& base, uint32_t firstBit, std::vector<FieldCaps>& out) {
        uint32_t field = 0;
        const uint32_t fields = global_.reportCount;
        for (size_t i = 0; i < local_.usages.size() && field < fields; ++i) {
            const UsageEntry& entry = local_.usages[i];
            const bool last = i + 1 == local_.usages.size();
            uint32_t taken = std::min(entry.count(), fields - field);
            if (last && !entry.isRange) {
                taken = fields - field;
            }
            FieldCaps cap = base;
            cap.usagePage = PageOf(entry);
            cap.isRange = entry.isRange;
            cap.usageMin = entry.min;
            cap.usageMax = entry.isRange ? static_cast<uint16_t>(entry.min + taken - 1) : entry.min;
            cap.bitPosition = firstBit + field * base.reportSize;
            cap.reportCount = static_cast<uint16_t>(std::min<uint32_t>(taken, 0xFFFF));
            out.push_back(cap);
            field += taken;
        }
    }

    void Finish(PreparsedData& collection) const {
        collection.usesReportIds = usesReportIds_;
        for (size_t kind = 0; kind < kReportKindCount; ++kind) {
            ReportCaps& caps = collection.reports[kind];
            std::sort(caps.reportIds.begin(), caps.reportIds.end());
            caps.reportIds.erase(std::unique(caps.reportIds.begin(), caps.reportIds.end()),
                                 caps.reportIds.end());
            uint32_t longest = 0;
            for (uint8_t id : caps.reportIds) {
                longest = std::max(longest, reportBits_[kind][id]);
            }
            caps.byteLength = longest == 0 ? 0 : static_cast<uint16_t>((longest + 7) / 8 + 1);
        }
    }

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
    size_t itemOffset_ = 0;
    DescriptorError error_ = DescriptorError::kNone;
    GlobalState global_;
    std::vector<GlobalState> pushed_;
    LocalState local_;
    std::vector<size_t> open_;  // indices into collections_ of the open collections' top level
    std::vector<PreparsedData> collections_;
    bool usesReportIds_ = false;
    uint32_t reportBits_[kReportKindCount][256] = {};
};

}  // namespace

uint32_t PreparsedData::MaxUsageListLength(ReportKind kind, uint16_t page) const {
    uint32_t total = 0;
    const FieldCaps* previous = nullptr;
    for (const FieldCaps& cap : of(kind).buttons) {
        if (page != 0 && cap.usagePage != page) {
            continue;
        }
        // The entries of one array share its fields: count them once.
        const bool sameArrayField = previous && cap.isArray && previous->isArray &&
                                    previous->reportId == cap.reportId &&
                                    previous->bitPosition == cap.bitPosition;
        if (!sameArrayField) {
            total += cap.reportCount;
        }
        previous = &cap;
    }
    return total;
}

ParsedDescriptor ParseReportDescriptor(std::span<const uint8_t> descriptor) {
    return Parser(descriptor).Run();
}

}  // namespace platform::hid
