#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "keyboard/keyboard_data.h"

// What a profile is: its kind and type, its INI list and its file.
namespace profile {

// The values are the kind codes of the binary profile files.
enum class DeviceKind : uint16_t { kKeyboard = 1, kMouse = 2, kPad = 3 };

// device: key map and lighting; light: lighting; key: key map.
enum class ProfileType { kDevice, kLight, kKey };

inline constexpr uint16_t KindCode(DeviceKind kind) {
    return static_cast<uint16_t>(kind);
}

// The INI sections of one profile list.
struct ListSections {
    std::string_view count;
    std::string_view names;
    std::string_view select;
    std::string_view linkFlag;
    std::string_view linkedProcess;
};

inline constexpr std::string_view kCountKey = "count";
inline constexpr std::string_view kSelectKey = "select";
// The default of every list key: no profiles, the first entry selected, not linked, and the
// name of a list that has no entries.
inline constexpr std::string_view kListDefault = "0";
inline constexpr std::string_view kFirstProfileName = "profile1";

ListSections SectionsOf(DeviceKind kind, ProfileType type);

// "msProfile.ini", "kbProfile.ini", "mpProfile.ini".
std::string_view ListFileName(DeviceKind kind);
// The kind's data folder (created when missing), ending with "/".
std::string KindFolder(DeviceKind kind);
// The list file in the kind's data folder.
std::string ListPath(DeviceKind kind);

// ".config", ".led", ".pro". The loaders spell the key extension ".PRO"; file names are
// compared without regard to case, so both name the same file.
std::string_view Extension(ProfileType type);
std::string_view LoadExtension(ProfileType type);

// The payload size of a kind and type; 0 when the kind keeps no profiles of that type.
size_t PayloadSize(DeviceKind kind, ProfileType type);

// The default file (program folder) a new profile of this kind and type starts from; empty
// when there is none. The keyboard model picks the standard or the "15" files.
std::string_view DefaultFileName(DeviceKind kind, ProfileType type,
                                 keyboard::EffectSet effectSet = keyboard::EffectSet::kA);

// A profile name names a file in the kind's data folder only: refused when empty, "." or "..",
// or when it holds a path separator or a NUL.
bool IsSafeProfileName(std::string_view name);

}  // namespace profile
