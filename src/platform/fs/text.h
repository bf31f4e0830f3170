#pragma once

#include <string_view>

namespace platform::fs {

// ASCII case folding: the names the system compares (file names, INI sections and keys) are
// ASCII in their letter-case part; other bytes compare exactly.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Removes spaces, tabs and the other C-locale white-space characters at both ends.
std::string_view TrimSpaces(std::string_view text);

// The longest prefix of text with at most maxBytes bytes that does not end inside a UTF-8
// character, so a cut string stays valid text.
std::string_view CutUtf8(std::string_view text, size_t maxBytes);

}  // namespace platform::fs
