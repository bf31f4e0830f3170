#include "device/path_identity.h"

#include <algorithm>
#include <cctype>

namespace device {
namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(c));
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

}  // namespace

uint16_t HexAfterTag(std::string_view path, std::string_view tag) {
    const auto found = std::search(path.begin(), path.end(), tag.begin(), tag.end(), SameLetter);
    if (found == path.end()) {
        return 0;
    }
    // Only the low 16 bits are compared, so longer numbers simply shift out their high digits.
    uint16_t value = 0;
    for (auto it = found + static_cast<std::ptrdiff_t>(tag.size()); it != path.end(); ++it) {
        const int digit = HexDigit(*it);
        if (digit < 0) {
            break;
        }
        value = static_cast<uint16_t>((value << 4) | digit);
    }
    return value;
}

}  // namespace device
