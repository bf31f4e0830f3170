#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform::fs {

// The buffer size the system reads its settings with (MAX_PATH).
inline constexpr size_t kProfileBufferSize = 260;

// Like GetPrivateProfileString: copies the trimmed value of key in section of the INI file at
// path (or defaultValue when the file, the section or the key is absent) into buffer, cut to
// buffer.size() - 1 bytes (never inside a UTF-8 character) and zero-terminated. Returns the
// number of bytes copied without the terminator; 0 for an empty buffer.
size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::span<char> buffer,
                               std::string_view path);

// The same result as a string, as read into a buffer of bufferSize characters.
std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue, std::string_view path,
                             size_t bufferSize = kProfileBufferSize);

// The stored value (whole, trimmed), or nullopt when the file, the section or the key is absent.
std::optional<std::string> ReadProfileValue(std::string_view section, std::string_view key,
                                            std::string_view path);

// The value read as GetProfileString does and converted to a number with DecimalToInt;
// defaultValue when the key is absent.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view path);

// The decimal conversion of settings values (atoi): leading white space, an optional sign and
// the digits up to the first other character; 0 for text that does not start with a number.
// Out-of-range numbers saturate at the int limits.
int DecimalToInt(std::string_view text);

// Like WritePrivateProfileString: sets key in section to value, creating the file, the section
// and the key as needed and keeping every other line. A nullopt value removes the key; a nullopt
// key removes the whole section. The file is replaced atomically under FileWriteLock(), so a
// reader never sees a torn file. False when the file cannot be written or the text cannot be
// stored (see EditProfileText).
bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value, std::string_view path);

}  // namespace platform::fs
