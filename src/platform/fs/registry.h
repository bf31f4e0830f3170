#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::fs {

// A small per-user store with the key/value model of the Windows registry: a root, a key path
// such as "SOFTWARE\Gaming Mouse" and named string values. Root, key and value names compare
// without regard to letter case. It lives in ConfigFolder() + kRegistryFileName.
enum class RegistryRoot { kCurrentUser, kLocalMachine };

inline constexpr const char* kRegistryFileName = "registry.ini";

// The string value, or nullopt when the key or the value does not exist.
std::optional<std::string> ReadRegistryString(RegistryRoot root, std::string_view keyPath,
                                              std::string_view valueName);

// Creates the key as needed and sets the value. False when it cannot be stored, or when the value
// would not read back the same (line breaks, white space at either end).
bool WriteRegistryString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                         std::string_view value);

// Removes the value; true when it is absent afterwards.
bool DeleteRegistryValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName);

}  // namespace platform::fs
