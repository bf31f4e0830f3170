#include "platform/fs/registry.h"

#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"
#include "platform/fs/text.h"

namespace platform::fs {
namespace {

std::string StorePath() {
    return ConfigFolder() + kRegistryFileName;
}

// Each key is one section of the store, named by its full path from the root.
std::string SectionOf(RegistryRoot root, std::string_view keyPath) {
    std::string section =
        root == RegistryRoot::kLocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    return section.append("\\").append(keyPath);
}

}  // namespace

std::optional<std::string> ReadRegistryString(RegistryRoot root, std::string_view keyPath,
                                              std::string_view valueName) {
    return ReadProfileValue(SectionOf(root, keyPath), valueName, StorePath());
}

bool WriteRegistryString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                         std::string_view value) {
    if (TrimSpaces(value) != value) {
        return false;
    }
    return CreateFolder(ConfigFolder()) &&
           WritePrivateProfileString(SectionOf(root, keyPath), valueName, value, StorePath());
}

bool DeleteRegistryValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
    return WritePrivateProfileString(SectionOf(root, keyPath), valueName, std::nullopt,
                                     StorePath());
}

}  // namespace platform::fs
