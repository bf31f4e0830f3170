#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::fs {

// The text layer of INI profile files, without any file access.
//
// A line "[name]" starts a section (name between the first "[" and the last "]"); a line
// "key=value" is a key of the current section; lines starting with ";" and every other line
// are kept as they are but never match. Names compare without regard to letter case, and names
// and values are trimmed of surrounding white space. Only the first section of a name is
// searched, as the Windows profile functions do.

// The value of key in section, or nullopt when absent.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// What EditProfileText does.
struct ProfileEdit {
    std::string_view section;
    // nullopt: remove the whole section.
    std::optional<std::string_view> key;
    // nullopt: remove the key.
    std::optional<std::string_view> value;
};

// The text with one key set or removed, or one section removed; every other line, comment and
// line ending stays as it was. A new key goes after the last non-empty line of its section, a
// new section at the end. nullopt when a name or value cannot be stored without changing the
// meaning of the file (line breaks anywhere, "=" in a key, a key that would read as a comment or
// a section, an empty name).
std::optional<std::string> EditProfileText(std::string_view text, const ProfileEdit& edit);

}  // namespace platform::fs
