#include "automation/request_args.h"

namespace automation {

namespace {

[[noreturn]] void Bad(std::string_view key, const std::string& what) {
    throw RequestError("\"" + std::string(key) + "\" " + what);
}

}  // namespace

std::optional<std::string> OptionalString(const Json& request, std::string_view key) {
    const Json* value = request.Find(key);
    if (value == nullptr || value->IsNull()) {
        return std::nullopt;
    }
    if (value->AsString() == nullptr) {
        Bad(key, "must be a string");
    }
    return *value->AsString();
}

const std::string& RequiredString(const Json& request, std::string_view key) {
    const Json* value = request.Find(key);
    if (value == nullptr || value->AsString() == nullptr) {
        Bad(key, "is required and must be a string");
    }
    return *value->AsString();
}

std::optional<int64_t> OptionalInt(const Json& request, std::string_view key, int64_t min,
                                   int64_t max) {
    const Json* value = request.Find(key);
    if (value == nullptr || value->IsNull()) {
        return std::nullopt;
    }
    const std::optional<int64_t> number = value->AsInt();
    if (!number || *number < min || *number > max) {
        Bad(key,
            "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    }
    return number;
}

int64_t RequiredInt(const Json& request, std::string_view key, int64_t min, int64_t max) {
    const std::optional<int64_t> number = OptionalInt(request, key, min, max);
    if (!number) {
        Bad(key, "is required");
    }
    return *number;
}

bool OptionalBool(const Json& request, std::string_view key, bool fallback) {
    const Json* value = request.Find(key);
    if (value == nullptr || value->IsNull()) {
        return fallback;
    }
    if (!value->AsBool()) {
        Bad(key, "must be true or false");
    }
    return *value->AsBool();
}

std::string ToHex(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace automation
