#include <cstdlib>
#include <string>

#include "automation/json.h"

namespace automation {

namespace {

class Reader {
public:
    Reader(std::string_view text, int maxDepth) : text_(text), maxDepth_(maxDepth) {}

    JsonParseResult ReadDocument() {
        Json value;
        SkipSpace();
        if (!ReadValue(value, 0)) {
            return {std::nullopt, error_};
        }
        SkipSpace();
        if (pos_ != text_.size()) {
            return {std::nullopt, ErrorText("unexpected text after the value")};
        }
        return {std::move(value), {}};
    }

private:
    bool Fail(const char* what) {
        if (error_.empty()) {
            error_ = ErrorText(what);
        }
        return false;
    }
    std::string ErrorText(const char* what) const {
        return std::string("malformed JSON at byte ") + std::to_string(pos_) + ": " + what;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }
    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            return Fail("unknown literal");
        }
        pos_ += word.size();
        return true;
    }

    bool ReadValue(Json& out, int depth) {
        switch (Peek()) {
            case '{':
                return ReadContainer(out, depth, '}');
            case '[':
                return ReadContainer(out, depth, ']');
            case '"': {
                std::string text;
                if (!ReadString(text)) {
                    return false;
                }
                out = Json(std::move(text));
                return true;
            }
            case 't':
                out = Json(true);
                return Literal("true");
            case 'f':
                out = Json(false);
                return Literal("false");
            case 'n':
                out = Json();
                return Literal("null");
            default:
                return ReadNumber(out);
        }
    }

    bool ReadContainer(Json& out, int depth, char close) {
        if (depth >= maxDepth_) {
            return Fail("nested too deeply");
        }
        const bool object = close == '}';
        out = object ? Json::Object() : Json::Array();
        ++pos_;
        SkipSpace();
        if (Peek() == close) {
            ++pos_;
            return true;
        }
        while (true) {
            SkipSpace();
            std::string key;
            if (object) {
                if (Peek() != '"') {
                    return Fail("expected a member name");
                }
                if (!ReadString(key)) {
                    return false;
                }
                if (out.Find(key) != nullptr) {
                    return Fail("duplicate member name");
                }
                SkipSpace();
                if (Peek() != ':') {
                    return Fail("expected ':'");
                }
                ++pos_;
                SkipSpace();
            }
            Json item;
            if (!ReadValue(item, depth + 1)) {
                return false;
            }
            object ? out.Set(std::move(key), std::move(item)) : out.Push(std::move(item));
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
            } else if (Peek() == close) {
                ++pos_;
                return true;
            } else {
                return Fail(object ? "expected ',' or '}'" : "expected ',' or ']'");
            }
        }
    }

    bool ReadNumber(Json& out) {
        const size_t start = pos_;
        auto digits = [this] {
            size_t from = pos_;
            while (Peek() >= '0' && Peek() <= '9') {
                ++pos_;
            }
            return pos_ > from;
        };
        if (Peek() == '-') {
            ++pos_;
        }
        if (Peek() == '0') {
            ++pos_;
        } else if (!digits()) {
            pos_ = start;
            return Fail("expected a value");
        }
        if (Peek() == '.') {
            ++pos_;
            if (!digits()) {
                return Fail("expected digits after '.'");
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') {
                ++pos_;
            }
            if (!digits()) {
                return Fail("expected digits in the exponent");
            }
        }
        // The grammar above has been checked, so strtod reads exactly this span.
        const std::string number(text_.substr(start, pos_ - start));
        out = Json(std::strtod(number.c_str(), nullptr));
        return true;
    }

    bool ReadHex4(uint32_t& value) {
        if (pos_ + 4 > text_.size()) {
            return Fail("short \\u escape");
        }
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            value <<= 4;
            if (c >= '0' && c <= '9') {
                value |= static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                value |= static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                value |= static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return Fail("bad hex digit in \\u escape");
            }
        }
        return true;
    }

    bool ReadEscapedCodePoint(std::string& out) {
        uint32_t code = 0;
        if (!ReadHex4(code)) {
            return false;
        }
        if (code >= 0xDC00 && code <= 0xDFFF) {
            return Fail("lone low surrogate");
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            uint32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u") {
                return Fail("high surrogate without its pair");
            }
            pos_ += 2;
            if (!ReadHex4(low)) {
                return false;
            }
            if (low < 0xDC00 || low > 0xDFFF) {
                return Fail("high surrogate without its pair");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(code, out);
        return true;
    }

    static void AppendUtf8(uint32_t code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // Length of the UTF-8 sequence starting at pos_, or 0 when it is not valid.
    size_t Utf8Length() const {
        const auto byte = [this](size_t i) { return static_cast<unsigned char>(text_[pos_ + i]); };
        const unsigned char lead = byte(0);
        size_t length = 0;
        uint32_t code = 0;
        if (lead < 0x80) {
            return 1;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return 0;
        }
        if (pos_ + length > text_.size()) {
            return 0;
        }
        for (size_t i = 1; i < length; ++i) {
            if ((byte(i) & 0xC0) != 0x80) {
                return 0;
            }
            code = (code << 6) | (byte(i) & 0x3F);
        }
        constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        const bool valid =
            code >= kSmallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        return valid ? length : 0;
    }

    bool ReadString(std::string& out) {
        ++pos_;  // the opening quote
        while (true) {
            if (AtEnd()) {
                return Fail("unterminated string");
            }
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return Fail("control character in a string");
            }
            if (c != '\\') {
                const size_t length = Utf8Length();
                if (length == 0) {
                    return Fail("invalid UTF-8 in a string");
                }
                out.append(text_.substr(pos_, length));
                pos_ += length;
                continue;
            }
            ++pos_;
            const char escape = Peek();
            ++pos_;
            switch (escape) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!ReadEscapedCodePoint(out)) {
                        return false;
                    }
                    break;
                default:
                    --pos_;
                    return Fail("unknown escape");
            }
        }
    }

    std::string_view text_;
    int maxDepth_;
    size_t pos_ = 0;
    std::string error_;
};

}  // namespace

JsonParseResult ParseJson(std::string_view text, int maxDepth) {
    return Reader(text, maxDepth).ReadDocument();
}

}  // namespace automation
