#pragma once

#include <string>
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

// First run of a list: writes "profile1" with the whole payload of the type's default file and
// the list keys count "1", link flag "0", name "profile1" and select "0". Returns the default
// file's result (kLoaded, kMissing, kBadSignature of profile_store.h); on failure nothing is
// written.
int CreateFirstProfile(DeviceKind kind, ProfileType type,
                       keyboard::EffectSet effectSet = keyboard::EffectSet::kA);

}  // namespace profile
