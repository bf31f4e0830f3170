#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "automation/json.h"

namespace automation {

// A request that cannot be carried out; its text becomes the reply's "error".
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Members of a request, checked: a member of the wrong type or out of range is a RequestError
// naming it, so a client learns what to fix.
const std::string& RequiredString(const Json& request, std::string_view key);
std::optional<std::string> OptionalString(const Json& request, std::string_view key);
int64_t RequiredInt(const Json& request, std::string_view key, int64_t min, int64_t max);
std::optional<int64_t> OptionalInt(const Json& request, std::string_view key, int64_t min,
                                   int64_t max);
bool OptionalBool(const Json& request, std::string_view key, bool fallback);

// Bytes as lower-case hexadecimal text, two digits each.
std::string ToHex(std::span<const uint8_t> bytes);

}  // namespace automation
