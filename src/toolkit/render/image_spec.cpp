#include "toolkit/render/image_spec.h"

#include <charconv>

namespace toolkit::render {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool ParseInt(std::string_view text, int& out) {
    text = Trim(text);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc{} && end == text.data() + text.size();
}

// "l,t,r,b"; nullopt unless all four are integers.
std::optional<Rect> ParseRect(std::string_view text) {
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const size_t comma = i < 3 ? text.find(',') : text.size();
        if (comma == std::string_view::npos || !ParseInt(text.substr(0, comma), values[i])) {
            return std::nullopt;
        }
        text.remove_prefix(i < 3 ? comma + 1 : comma);
    }
    return Rect{values[0], values[1], values[2], values[3]};
}

bool ParseBool(std::string_view text) {
    return text == "true";
}

void ApplyAttribute(ImageSpec& image, std::string_view key, std::string_view value) {
    if (key == "file" || key == "res") {
        image.file = value;
    } else if (key == "source") {
        image.source = ParseRect(value);
    } else if (key == "dest") {
        image.dest = ParseRect(value);
    } else if (key == "corner") {
        image.corner = ParseRect(value).value_or(Rect{});
    } else if (key == "mask") {
        image.mask = ParseColor(value);
    } else if (key == "fade") {
        int fade = 0;
        if (ParseInt(value, fade) && fade >= 0 && fade <= 255) {
            image.fade = static_cast<std::uint8_t>(fade);
        }
    } else if (key == "hole") {
        image.hole = ParseBool(value);
    } else if (key == "xtiled") {
        image.xtiled = ParseBool(value);
    } else if (key == "ytiled") {
        image.ytiled = ParseBool(value);
    }
}

}  // namespace

std::optional<Color> ParseColor(std::string_view text) {
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6 && text.size() != 8) {
        return std::nullopt;
    }
    Color value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return text.size() == 6 ? WithAlpha(value, 0xFF) : value;
}

ImageSpec ParseImageString(std::string_view text) {
    ImageSpec image;
    if (text.find('=') == std::string_view::npos) {
        image.file = text;
        return image;
    }
    // key='value' pairs separated by blanks; values may hold blanks but not quotes.
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t eq = text.find('=', pos);
        if (eq == std::string_view::npos || eq + 1 >= text.size()) {
            break;
        }
        const std::string_view key = Trim(text.substr(pos, eq - pos));
        const char quote = text[eq + 1];
        if (quote != '\'' && quote != '"') {
            break;
        }
        const size_t close = text.find(quote, eq + 2);
        if (close == std::string_view::npos) {
            break;
        }
        ApplyAttribute(image, key, text.substr(eq + 2, close - eq - 2));
        pos = close + 1;
    }
    return image;
}

}  // namespace toolkit::render
