#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace platform::hid::testing {

// Writes report descriptors item by item, each value in the fewest bytes that hold it.
class DescriptorBuilder {
public:
    DescriptorBuilder& UsagePage(uint16_t page) { return Unsigned(0x04, page); }
    DescriptorBuilder& Usage(uint16_t usage) { return Unsigned(0x08, usage); }
    // A 32-bit usage that carries its own page.
    DescriptorBuilder& ExtendedUsage(uint16_t page, uint16_t usage) {
        return Item(0x08, 4, uint32_t{page} << 16 | usage);
    }
    DescriptorBuilder& UsageMin(uint16_t usage) { return Unsigned(0x18, usage); }
    DescriptorBuilder& UsageMax(uint16_t usage) { return Unsigned(0x28, usage); }
    DescriptorBuilder& LogicalMin(int32_t value) { return Signed(0x14, value); }
    DescriptorBuilder& LogicalMax(int32_t value) { return Signed(0x24, value); }
    DescriptorBuilder& PhysicalMin(int32_t value) { return Signed(0x34, value); }
    DescriptorBuilder& PhysicalMax(int32_t value) { return Signed(0x44, value); }
    DescriptorBuilder& ReportSize(uint32_t bits) { return Unsigned(0x74, bits); }
    DescriptorBuilder& ReportId(uint32_t id) { return Unsigned(0x84, id); }
    DescriptorBuilder& ReportCount(uint32_t count) { return Unsigned(0x94, count); }
    DescriptorBuilder& Push() { return Item(0xA4, 0, 0); }
    DescriptorBuilder& Pop() { return Item(0xB4, 0, 0); }
    DescriptorBuilder& Application() { return Item(0xA0, 1, 0x01); }
    DescriptorBuilder& Physical() { return Item(0xA0, 1, 0x00); }
    DescriptorBuilder& EndCollection() { return Item(0xC0, 0, 0); }
    DescriptorBuilder& Input(uint16_t flags) { return Unsigned(0x80, flags); }
    DescriptorBuilder& Output(uint16_t flags) { return Unsigned(0x90, flags); }
    DescriptorBuilder& Feature(uint16_t flags) { return Unsigned(0xB0, flags); }
    DescriptorBuilder& Raw(std::initializer_list<uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }
    DescriptorBuilder& Append(const std::vector<uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    DescriptorBuilder& Unsigned(uint8_t prefix, uint32_t value) {
        return Item(prefix, value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : 4, value);
    }
    DescriptorBuilder& Signed(uint8_t prefix, int32_t value) {
        const int size = value >= -128 && value <= 127       ? 1
                         : value >= -32768 && value <= 32767 ? 2
                                                             : 4;
        return Item(prefix, size, static_cast<uint32_t>(value));
    }
    DescriptorBuilder& Item(uint8_t prefix, int size, uint32_t value) {
        static constexpr uint8_t kSizeCode[] = {0, 1, 2, 0, 3};
        bytes_.push_back(static_cast<uint8_t>(prefix | kSizeCode[size]));
        for (int i = 0; i < size; ++i) {
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
        return *this;
    }

    std::vector<uint8_t> bytes_;
};

// Main item flags.
inline constexpr uint16_t kData = 0x00;
inline constexpr uint16_t kConstant = 0x01;
inline constexpr uint16_t kVariable = 0x02;
inline constexpr uint16_t kRelative = 0x04;
inline constexpr uint16_t kNullState = 0x40;

}  // namespace platform::hid::testing
