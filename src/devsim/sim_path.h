#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "devsim/device_kind.h"

namespace devsim {

// Where a simulated interface lives: one path per top-level collection, in the form the identity
// rules read, e.g. "hid#vid_260d&pid_1003&col01#sim/mouse" (collections count from 1 there).
struct SimPath {
    Identity identity;
    size_t collection = 0;  // 0-based
    std::string deviceName;
};

std::string FormatSimPath(const SimPath& path);
// Empty for anything that is not a path of the form above.
std::optional<SimPath> ParseSimPath(std::string_view text);

}  // namespace devsim
