#include "automation/json.h"

#include <cmath>
#include <cstdio>

namespace automation {

namespace {

// Whole numbers up to this size are exact in a double and are written without a fraction.
constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53

void WriteString(std::string_view text, std::string& out) {
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void WriteNumber(double value, std::string& out) {
    char text[32];
    if (!std::isfinite(value)) {
        out += "null";  // JSON has no spelling for these
        return;
    }
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegerLimit) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(text, sizeof text, "%.17g", value);
    }
    out += text;
}

}  // namespace

std::optional<bool> Json::AsBool() const {
    return type_ == Type::kBool ? std::optional(bool_) : std::nullopt;
}

std::optional<double> Json::AsNumber() const {
    return type_ == Type::kNumber ? std::optional(number_) : std::nullopt;
}

std::optional<int64_t> Json::AsInt() const {
    if (type_ != Type::kNumber || number_ != std::trunc(number_) ||
        std::fabs(number_) >= kExactIntegerLimit) {
        return std::nullopt;
    }
    return static_cast<int64_t>(number_);
}

const std::string* Json::AsString() const {
    return type_ == Type::kString ? &string_ : nullptr;
}

const Json* Json::Find(std::string_view key) const {
    if (type_ != Type::kObject) {
        return nullptr;
    }
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key) {
            return &items_[i];
        }
    }
    return nullptr;
}

Json& Json::Set(std::string key, Json value) {
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key) {
            items_[i] = std::move(value);
            return *this;
        }
    }
    keys_.push_back(std::move(key));
    items_.push_back(std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    items_.push_back(std::move(value));
    return *this;
}

std::string Json::Write() const {
    std::string out;
    WriteTo(out);
    return out;
}

void Json::WriteTo(std::string& out) const {
    switch (type_) {
        case Type::kNull:
            out += "null";
            break;
        case Type::kBool:
            out += bool_ ? "true" : "false";
            break;
        case Type::kNumber:
            WriteNumber(number_, out);
            break;
        case Type::kString:
            WriteString(string_, out);
            break;
        case Type::kArray:
        case Type::kObject:
            out += type_ == Type::kArray ? '[' : '{';
            for (size_t i = 0; i < items_.size(); ++i) {
                if (i > 0) {
                    out += ',';
                }
                if (type_ == Type::kObject) {
                    WriteString(keys_[i], out);
                    out += ':';
                }
                items_[i].WriteTo(out);
            }
            out += type_ == Type::kArray ? ']' : '}';
            break;
    }
}

}  // namespace automation
