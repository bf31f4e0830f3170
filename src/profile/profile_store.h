#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "keyboard/keyboard_data.h"
#include "mouse/mouse_image.h"
#include "mousepad/pad_data.h"
#include "profile/profile_types.h"

// Loading profiles into the in-memory device state and saving that state into the selected
// profile's file. No page is refreshed and nothing is written to a device here.
namespace profile {

// Results of the loads (those of app::ReadBinaryFile).
inline constexpr int kLoaded = 0;
inline constexpr int kMissing = 1;  // absent, unopenable, or a name that leaves the folder
inline constexpr int kBadSignature = -1;

// The in-memory state of all three kinds, for callers that dispatch by kind.
struct DeviceState {
    mouse::MouseImage& mouse;
    keyboard::KeyboardData& keyboard;
    mousepad::PadData& pad;
};

// The name stored under index in the type's list ("0" when there is none).
std::string ProfileName(DeviceKind kind, ProfileType type, int index);
// The name under the list's selection.
std::string SelectedProfileName(DeviceKind kind, ProfileType type);
// The file of a profile: the kind's data folder, the name, the extension.
std::string ProfilePath(DeviceKind kind, ProfileType type, std::string_view name);

// Reads the profile stored under index and, on kLoaded only, distributes it into the state.
// A short payload reads as zeros at its end; on failure the state is left as it was.
int LoadMouseProfile(mouse::MouseImage& image, ProfileType type, int index);
int LoadKeyboardProfile(keyboard::KeyboardData& data, ProfileType type, int index);
int LoadPadProfile(mousepad::PadData& data, int index);
int LoadProfile(DeviceState& state, DeviceKind kind, ProfileType type, int index);

// Refreshes record 0 from the block and writes the selected profile's file with the kind's
// code. A failure leaves a diagnostic only.
void SaveMouseProfile(mouse::MouseImage& image, ProfileType type);
void SaveKeyboardProfile(keyboard::KeyboardData& data, ProfileType type);
void SavePadProfile(mousepad::PadData& data);
void SaveSelectedProfile(DeviceState& state, DeviceKind kind, ProfileType type);

// Reads the payload of a default file of the program folder; results as for the loads.
int ReadDefaultFile(std::string_view fileName, std::span<uint8_t> payload);

}  // namespace profile
