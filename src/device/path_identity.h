#pragma once

#include <cstdint>
#include <string_view>

namespace device {

// The hexadecimal number after the first case-insensitive occurrence of `tag` in an interface
// path ("vid_", "pid_"), cut to its low 16 bits; 0 when the tag is absent or no digit follows.
uint16_t HexAfterTag(std::string_view path, std::string_view tag);

inline uint16_t PathVendorId(std::string_view path) {
    return HexAfterTag(path, "vid_");
}
inline uint16_t PathProductId(std::string_view path) {
    return HexAfterTag(path, "pid_");
}

}  // namespace device
