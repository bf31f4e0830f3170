#include "json_log.h"

#include <cstdio>

namespace demo {

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

JsonLine::JsonLine(std::string_view type) : text_("{\"type\":" + Quote(type)) {}

JsonLine& JsonLine::Add(std::string_view key, std::string_view value) {
    return AddRaw(key, Quote(value));
}

JsonLine& JsonLine::Add(std::string_view key, long long value) {
    return AddRaw(key, std::to_string(value));
}

JsonLine& JsonLine::AddRaw(std::string_view key, std::string_view json) {
    text_ += "," + Quote(key) + ":" + std::string(json);
    return *this;
}

void JsonLine::Print() {
    std::printf("%s}\n", text_.c_str());
    std::fflush(stdout);
}

}  // namespace demo
