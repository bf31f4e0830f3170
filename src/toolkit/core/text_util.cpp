#include "toolkit/core/text_util.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "toolkit/render/image_spec.h"

namespace toolkit {

std::string ToLower(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ParseBool(std::string_view value) {
    return EqualsNoCase(value, "true");
}

int ParseInt(std::string_view value) {
    while (!value.empty() && value.front() == ' ') {
        value.remove_prefix(1);
    }
    if (value.starts_with('+')) {
        value.remove_prefix(1);
    }
    int result = 0;
    std::from_chars(value.data(), value.data() + value.size(), result);
    return result;
}

render::Color ParseColorValue(std::string_view value) {
    if (value.starts_with("0x") || value.starts_with("0X")) {
        value.remove_prefix(2);
    }
    return render::ParseColor(value).value_or(0);
}

namespace {

template <size_t N>
std::array<int, N> ParseInts(std::string_view value) {
    std::array<int, N> parts{};
    for (size_t i = 0; i < N && !value.empty(); ++i) {
        size_t comma = value.find(',');
        parts[i] = ParseInt(value.substr(0, comma));
        value = comma == std::string_view::npos ? std::string_view{} : value.substr(comma + 1);
    }
    return parts;
}

}  // namespace

render::HAlign ParseHAlign(std::string_view value) {
    return value == "center"  ? render::HAlign::kCenter
           : value == "right" ? render::HAlign::kRight
                              : render::HAlign::kLeft;
}

render::Rect ParseRect(std::string_view value) {
    auto [l, t, r, b] = ParseInts<4>(value);
    return {l, t, r, b};
}

render::Size ParseSize(std::string_view value) {
    auto [cx, cy] = ParseInts<2>(value);
    return {cx, cy};
}

void PopCodePoint(std::string& text) {
    while (!text.empty()) {
        unsigned char last = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((last & 0xC0) != 0x80) {
            return;
        }
    }
}

size_t CountCodePoints(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace toolkit
