#include "devsim/sim_path.h"

#include <charconv>
#include <cstdio>

namespace devsim {
namespace {

// Reads `prefix` then a number of exactly `digits` digits in `base`, advancing `text`.
bool TakeField(std::string_view& text, std::string_view prefix, size_t digits, int base,
               unsigned& value) {
    if (!text.starts_with(prefix) || text.size() < prefix.size() + digits) {
        return false;
    }
    const char* first = text.data() + prefix.size();
    const char* last = first + digits;
    const auto [end, error] = std::from_chars(first, last, value, base);
    if (error != std::errc() || end != last) {
        return false;
    }
    text.remove_prefix(prefix.size() + digits);
    return true;
}

}  // namespace

std::string FormatSimPath(const SimPath& path) {
    char head[40];
    std::snprintf(head, sizeof head, "hid#vid_%04x&pid_%04x&col%02zu#sim/", path.identity.vendorId,
                  path.identity.productId, path.collection + 1);
    return head + path.deviceName;
}

std::optional<SimPath> ParseSimPath(std::string_view text) {
    unsigned vendor = 0, product = 0, collection = 0;
    if (!TakeField(text, "hid#vid_", 4, 16, vendor) || !TakeField(text, "&pid_", 4, 16, product) ||
        !TakeField(text, "&col", 2, 10, collection) || collection == 0 ||
        !text.starts_with("#sim/")) {
        return std::nullopt;
    }
    text.remove_prefix(5);
    return SimPath{{static_cast<uint16_t>(vendor), static_cast<uint16_t>(product)},
                   collection - 1,
                   std::string(text)};
}

}  // namespace devsim
