#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/keyboard_data.h"
#include "profile/profile_types.h"

// The profile lists as stored in the kind's INI file (what the list controls are filled from).
namespace profile {

// The count key of a list: 0 until the first profile has been created (the first-run marker).
int ProfileCount(DeviceKind kind, ProfileType type);
// The names under 0 … count − 1, in list order.
std::vector<std::string> ProfileNames(DeviceKind kind, ProfileType type);
int SelectedIndex(DeviceKind kind, ProfileType type);
// Persists the selection, so the next run starts with the same profile.
void StoreSelection(DeviceKind kind, ProfileType type, int index);

// The application link of a profile: the flag ("1" linked; any non-zero number shows as
// linked, the process watchers act on 1 only) and the linked program's full path ("0" when
// none is stored).
struct ProfileLink {
    int flag = 0;
    std::string process;
};
ProfileLink ReadProfileLink(DeviceKind kind, ProfileType type, int index);
// The file name of a linked program path (after its last backslash or slash); nothing when
// the path has none.
std::optional<std::string> LinkedProgramName(std::string_view processPath);

// First run of a list: writes "profile1" with the whole payload of the type's default file and
// the list keys count "1", link flag "0", name "profile1" and select "0". Returns the default
// file's result (kLoaded, kMissing, kBadSignature of profile_store.h); on failure nothing is
// written.
int CreateFirstProfile(DeviceKind kind, ProfileType type,
                       keyboard::EffectSet effectSet = keyboard::EffectSet::kA);

}  // namespace profile
