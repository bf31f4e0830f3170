#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace automation {

// A JSON value as the automation protocol uses it: objects keep their members in order, numbers
// are doubles (every integer the protocol carries fits exactly).
class Json {
public:
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool value) : type_(Type::kBool), bool_(value) {}
    Json(int value) : Json(static_cast<double>(value)) {}
    Json(unsigned value) : Json(static_cast<double>(value)) {}
    Json(int64_t value) : Json(static_cast<double>(value)) {}
    Json(uint64_t value) : Json(static_cast<double>(value)) {}
    Json(double value) : type_(Type::kNumber), number_(value) {}
    Json(std::string value) : type_(Type::kString), string_(std::move(value)) {}
    Json(std::string_view value) : Json(std::string(value)) {}
    Json(const char* value) : Json(std::string(value)) {}

    static Json Array() { return Json(Type::kArray); }
    static Json Object() { return Json(Type::kObject); }

    Type type() const { return type_; }
    bool IsNull() const { return type_ == Type::kNull; }

    std::optional<bool> AsBool() const;
    std::optional<double> AsNumber() const;
    // The number when it is a whole number within the 64-bit range.
    std::optional<int64_t> AsInt() const;
    const std::string* AsString() const;

    // Array items, or object member values.
    const std::vector<Json>& Items() const { return items_; }
    // Object member names, parallel to Items().
    const std::vector<std::string>& Keys() const { return keys_; }
    // The member of an object, or null when absent (or not an object).
    const Json* Find(std::string_view key) const;

    // Builders: Set adds or replaces a member of an object, Push appends to an array.
    Json& Set(std::string key, Json value);
    Json& Push(Json value);

    // Compact text on one line.
    std::string Write() const;

    friend bool operator==(const Json&, const Json&) = default;

private:
    explicit Json(Type type) : type_(type) {}
    void WriteTo(std::string& out) const;

    Type type_ = Type::kNull;
    bool bool_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<Json> items_;
    std::vector<std::string> keys_;
};

// Limits of the reader: clients are trusted users, but a broken one must not exhaust the stack.
inline constexpr int kMaxJsonDepth = 16;

struct JsonParseResult {
    std::optional<Json> value;
    std::string error;  // set when value is empty
};

// Reads one complete JSON text (surrounding white space allowed, nothing else). Strings must
// be valid UTF-8 after unescaping; duplicate member names are refused.
JsonParseResult ParseJson(std::string_view text, int maxDepth = kMaxJsonDepth);

}  // namespace automation
