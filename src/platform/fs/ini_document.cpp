#include "platform/fs/ini_document.h"

#include <vector>

#include "platform/fs/text.h"

namespace platform::fs {
namespace {

// One line of the file: where it starts, its text without the line ending, and what it is.
struct Line {
    enum class Kind { kOther, kSection, kKey };
    size_t begin = 0;
    size_t end = 0;  // after the line ending
    Kind kind = Kind::kOther;
    std::string_view name;
    std::string_view value;
};

Line ClassifyLine(std::string_view content) {
    Line line;
    std::string_view trimmed = TrimSpaces(content);
    if (trimmed.starts_with('[')) {
        size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = Line::Kind::kSection;
            line.name = TrimSpaces(trimmed.substr(1, close - 1));
            return line;
        }
    }
    if (trimmed.starts_with(';')) {
        return line;
    }
    size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    line.name = TrimSpaces(trimmed.substr(0, equals));
    if (!line.name.empty()) {
        line.kind = Line::Kind::kKey;
        line.value = TrimSpaces(trimmed.substr(equals + 1));
    }
    return line;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t newline = text.find('\n', begin);
        size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view content = text.substr(begin, end - begin);
        while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
            content.remove_suffix(1);
        }
        Line line = ClassifyLine(content);
        line.begin = begin;
        line.end = end;
        lines.push_back(line);
        begin = end;
    }
    return lines;
}

// Lines [first, last) of the first section with this name: first is its header.
struct SectionRange {
    size_t first;
    size_t last;
};

std::optional<SectionRange> FindSection(const std::vector<Line>& lines, std::string_view name,
                                        size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i) {
        if (lines[i].kind == Line::Kind::kSection && EqualsIgnoreCase(lines[i].name, name)) {
            size_t last = i + 1;
            while (last < lines.size() && lines[last].kind != Line::Kind::kSection) {
                ++last;
            }
            return SectionRange{i, last};
        }
    }
    return std::nullopt;
}

bool IsKeyOf(const Line& line, std::string_view key) {
    return line.kind == Line::Kind::kKey && EqualsIgnoreCase(line.name, key);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool CanStore(const ProfileEdit& edit) {
    std::string_view section = TrimSpaces(edit.section);
    if (section.empty() || HasLineBreak(section)) {
        return false;
    }
    if (!edit.key) {
        return true;
    }
    std::string_view key = TrimSpaces(*edit.key);
    if (key.empty() || HasLineBreak(key) || key.find('=') != key.npos || key.starts_with(';') ||
        key.starts_with('[')) {
        return false;
    }
    return !edit.value || !HasLineBreak(*edit.value);
}

// Copies text without the lines [first, last).
std::string WithoutLines(std::string_view text, const std::vector<Line>& lines, size_t first,
                         size_t last) {
    std::string result(text.substr(0, lines[first].begin));
    if (last < lines.size()) {
        result.append(text.substr(lines[last].begin));
    }
    return result;
}

std::string RemoveSections(std::string_view text, std::string_view section) {
    std::string result(text);
    while (true) {
        auto lines = SplitLines(result);
        auto range = FindSection(lines, section);
        if (!range) {
            return result;
        }
        result = WithoutLines(result, lines, range->first, range->last);
    }
}

std::string RemoveKeys(std::string_view text, std::string_view section, std::string_view key) {
    auto lines = SplitLines(text);
    auto range = FindSection(lines, section);
    if (!range) {
        return std::string(text);
    }
    std::string result(text.substr(0, lines[range->first].end));
    for (size_t i = range->first + 1; i < range->last; ++i) {
        if (!IsKeyOf(lines[i], key)) {
            result.append(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
        }
    }
    if (range->last < lines.size()) {
        result.append(text.substr(lines[range->last].begin));
    }
    return result;
}

std::string_view LineEndingOf(std::string_view text) {
    return text.find("\r\n") != text.npos ? "\r\n" : "\n";
}

// The text of lines[index] with its own line ending, or `eol` when it had none (last line).
std::string_view EndingOf(std::string_view text, const Line& line, std::string_view eol) {
    std::string_view whole = text.substr(line.begin, line.end - line.begin);
    size_t cut = whole.size();
    while (cut > 0 && (whole[cut - 1] == '\n' || whole[cut - 1] == '\r')) {
        --cut;
    }
    return cut == whole.size() ? eol : whole.substr(cut);
}

std::string SetKey(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
    const std::string_view eol = LineEndingOf(text);
    auto lines = SplitLines(text);
    auto range = FindSection(lines, section);
    if (!range) {
        std::string result(text);
        if (!result.empty() && result.back() != '\n') {
            result.append(eol);
        }
        result.append("[").append(section).append("]").append(eol);
        result.append(key).append("=").append(value).append(eol);
        return result;
    }
    for (size_t i = range->first + 1; i < range->last; ++i) {
        if (IsKeyOf(lines[i], key)) {
            // The key keeps the spelling it had in the file.
            std::string result(text.substr(0, lines[i].begin));
            result.append(lines[i].name).append("=").append(value);
            result.append(EndingOf(text, lines[i], eol));
            result.append(text.substr(lines[i].end));
            return result;
        }
    }
    size_t after = range->first;
    for (size_t i = range->first + 1; i < range->last; ++i) {
        if (!TrimSpaces(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty()) {
            after = i;
        }
    }
    std::string result(text.substr(0, lines[after].end));
    if (lines[after].end == text.size() && !result.empty() && result.back() != '\n') {
        result.append(eol);
    }
    result.append(key).append("=").append(value).append(eol);
    result.append(text.substr(lines[after].end));
    return result;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    auto lines = SplitLines(text);
    auto range = FindSection(lines, TrimSpaces(section));
    if (!range) {
        return std::nullopt;
    }
    key = TrimSpaces(key);
    for (size_t i = range->first + 1; i < range->last; ++i) {
        if (IsKeyOf(lines[i], key)) {
            return lines[i].value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> EditProfileText(std::string_view text, const ProfileEdit& edit) {
    if (!CanStore(edit)) {
        return std::nullopt;
    }
    std::string_view section = TrimSpaces(edit.section);
    if (!edit.key) {
        return RemoveSections(text, section);
    }
    std::string_view key = TrimSpaces(*edit.key);
    if (!edit.value) {
        return RemoveKeys(text, section, key);
    }
    return SetKey(text, section, key, TrimSpaces(*edit.value));
}

}  // namespace platform::fs
