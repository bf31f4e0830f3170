#include "profile/mouse_name_file.h"

#include <array>

#include "app/data_folders.h"
#include "platform/fs/profile_string.h"
#include "profile/profile_types.h"

namespace profile::name_file {
namespace {

constexpr std::array<std::string_view, kLastLabelledButton - kFirstLabelledButton + 1>
    kDefaultLabels = {"Middle Click", "Right Click", "Forward", "Backward", "DPI Loop", "DPI-"};

}  // namespace

std::string NameFilePath(std::string_view profileName) {
    return app::GetMouseFolder() + std::string(profileName) + std::string(kSuffix);
}

std::string_view DefaultButtonLabel(int button) {
    if (button < kFirstLabelledButton || button > kLastLabelledButton) {
        return {};
    }
    return kDefaultLabels[static_cast<size_t>(button - kFirstLabelledButton)];
}

std::string ReadButtonLabel(std::string_view profileName, int button) {
    const std::string fallback(DefaultButtonLabel(button));
    if (!IsSafeProfileName(profileName)) {
        return fallback;
    }
    std::string label = platform::fs::GetProfileString(kKeyNameSection, std::to_string(button),
                                                       kKeyNameNotSet, NameFilePath(profileName));
    return label == kKeyNameNotSet ? fallback : label;
}

std::optional<int> ReadSelectedPosition(std::string_view profileName, std::string_view section,
                                        std::string_view absent, int first, int last) {
    if (!IsSafeProfileName(profileName)) {
        return std::nullopt;
    }
    const std::string text =
        platform::fs::GetProfileString(section, kSelectKey, absent, NameFilePath(profileName));
    const int position = platform::fs::DecimalToInt(text);
    if (text == kNotSet || position < first || position > last) {
        return std::nullopt;
    }
    return position;
}

bool WriteSelectedPosition(std::string_view profileName, std::string_view section, int position) {
    return IsSafeProfileName(profileName) &&
           platform::fs::WritePrivateProfileString(section, kSelectKey, std::to_string(position),
                                                   NameFilePath(profileName));
}

}  // namespace profile::name_file
