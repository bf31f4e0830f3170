#include "platform/fs/profile_string.h"

#include <climits>
#include <cstring>

#include "platform/fs/file_ops.h"
#include "platform/fs/ini_document.h"
#include "platform/fs/text.h"

namespace platform::fs {

std::optional<std::string> ReadProfileValue(std::string_view section, std::string_view key,
                                            std::string_view path) {
    auto text = ReadFile(path);
    if (!text) {
        return std::nullopt;
    }
    auto value = FindProfileValue(*text, section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue, std::string_view path,
                             size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    auto value = ReadProfileValue(section, key, path);
    return std::string(CutUtf8(value ? *value : defaultValue, bufferSize - 1));
}

size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::span<char> buffer,
                               std::string_view path) {
    if (buffer.empty()) {
        return 0;
    }
    std::string result = GetProfileString(section, key, defaultValue, path, buffer.size());
    std::memcpy(buffer.data(), result.data(), result.size());
    buffer[result.size()] = '\0';
    return result.size();
}

int DecimalToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view path) {
    auto value = ReadProfileValue(section, key, path);
    if (!value) {
        return defaultValue;
    }
    return DecimalToInt(CutUtf8(*value, kProfileBufferSize - 1));
}

bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, std::string_view path) {
    sys::LockGuard guard(FileWriteLock());
    auto existing = ReadFile(path);
    if (!existing && FileExists(path)) {
        // Present but unreadable: rewriting it would lose its content.
        return false;
    }
    const bool removing = !key || !value;
    if (!existing && removing) {
        // Nothing to remove; do not create the file.
        return EditProfileText("", ProfileEdit{section, key, value}).has_value();
    }
    std::string_view current = existing ? std::string_view(*existing) : std::string_view();
    auto edited = EditProfileText(current, ProfileEdit{section, key, value});
    if (!edited) {
        return false;
    }
    if (existing && *edited == *existing) {
        return true;
    }
    return WriteFileAtomic(path, *edited);
}

}  // namespace platform::fs
