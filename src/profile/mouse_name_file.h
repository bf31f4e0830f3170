#pragma once

#include <optional>
#include <string>
#include <string_view>

// The small INI file of each mouse device profile (profile name + "name.ini" in the mouse
// folder) with the display settings the mouse pages show for it.
namespace profile::name_file {

inline constexpr std::string_view kSuffix = "name.ini";

// Button texts, keys "2" … "7"; "0" = not set, the button's display default applies.
inline constexpr std::string_view kKeyNameSection = "KEYNAME";
inline constexpr std::string_view kKeyNameNotSet = "0";
inline constexpr int kFirstLabelledButton = 2;
inline constexpr int kLastLabelledButton = 7;

// Report rate position 0 … 3 (125, 250, 500, 1000 reports per second).
inline constexpr std::string_view kUsbRateSection = "USBRATE";
inline constexpr std::string_view kUsbRateDefault = "2";
// Pointer speed and double-click speed positions 0 … 10; "100" = not set.
inline constexpr std::string_view kMouseSpeedSection = "MOUSESPEED";
inline constexpr std::string_view kDoubleClickSection = "DBCLICK";
inline constexpr std::string_view kSelectKey = "select";
inline constexpr std::string_view kNotSet = "100";
// What restoring the defaults writes.
inline constexpr std::string_view kRestoredSpeed = "5";
inline constexpr std::string_view kRestoredUsbRate = "2";

// The macro last assigned through the macro dialog (index, default "0") and its end style
// (0 repeat count, 1 end on press, 2 end on release; "100" = not set).
inline constexpr std::string_view kMacroSetSection = "MACROSET";
inline constexpr std::string_view kMacroNameKey = "MACRONAME";
inline constexpr std::string_view kMacroNameDefault = "0";
inline constexpr std::string_view kEndStyleKey = "ENDSTYLE";

// The name file of a mouse device profile.
std::string NameFilePath(std::string_view profileName);

// "Middle Click", "Right Click", "Forward", "Backward", "DPI Loop", "DPI-" for buttons 2 … 7;
// empty for other buttons.
std::string_view DefaultButtonLabel(int button);

// The text of a button as the profile stores it, or its display default when it is not set or
// the profile name would leave the mouse folder.
std::string ReadButtonLabel(std::string_view profileName, int button);

// A position stored under the section's "select" key, or nothing when it is not set (absent
// reads as `absent`; the "not set" value and numbers outside first … last read as nothing) or
// the profile name would leave the mouse folder.
std::optional<int> ReadSelectedPosition(std::string_view profileName, std::string_view section,
                                        std::string_view absent, int first, int last);

// Stores a slider position under the section's "select" key. False (nothing written) when the
// file cannot be written or the profile name would leave the mouse folder.
bool WriteSelectedPosition(std::string_view profileName, std::string_view section, int position);

}  // namespace profile::name_file
