#include "profile/profile_list.h"

#include <vector>

#include "app/binary_file.h"
#include "platform/fs/profile_string.h"
#include "profile/profile_store.h"

namespace profile {

int ProfileCount(DeviceKind kind, ProfileType type) {
    return platform::fs::GetPrivateProfileInt(SectionsOf(kind, type).count, kCountKey, 0,
                                              ListPath(kind));
}

std::vector<std::string> ProfileNames(DeviceKind kind, ProfileType type) {
    std::vector<std::string> names;
    const int count = ProfileCount(kind, type);
    for (int index = 0; index < count; ++index) {
        names.push_back(ProfileName(kind, type, index));
    }
    return names;
}

int SelectedIndex(DeviceKind kind, ProfileType type) {
    return platform::fs::GetPrivateProfileInt(SectionsOf(kind, type).select, kSelectKey, 0,
                                              ListPath(kind));
}

void StoreSelection(DeviceKind kind, ProfileType type, int index) {
    platform::fs::WritePrivateProfileString(SectionsOf(kind, type).select, kSelectKey,
                                            std::to_string(index), ListPath(kind));
}

ProfileLink ReadProfileLink(DeviceKind kind, ProfileType type, int index) {
    const ListSections sections = SectionsOf(kind, type);
    const std::string key = std::to_string(index);
    const std::string path = ListPath(kind);
    return {platform::fs::GetPrivateProfileInt(sections.linkFlag, key, 0, path),
            platform::fs::GetProfileString(sections.linkedProcess, key, kListDefault, path)};
}

std::optional<std::string> LinkedProgramName(std::string_view processPath) {
    const size_t separator = processPath.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(processPath.substr(separator + 1));
}

int CreateFirstProfile(DeviceKind kind, ProfileType type, keyboard::EffectSet effectSet) {
    std::vector<uint8_t> payload(PayloadSize(kind, type));
    const std::string_view defaultFile = DefaultFileName(kind, type, effectSet);
    if (payload.empty() || defaultFile.empty()) {
        return kMissing;
    }
    const int result = ReadDefaultFile(defaultFile, payload);
    if (result != kLoaded) {
        return result;
    }
    app::WriteBinaryFile(ProfilePath(kind, type, kFirstProfileName), KindCode(kind), payload);
    const ListSections sections = SectionsOf(kind, type);
    const std::string path = ListPath(kind);
    const std::string firstIndex = "0";
    platform::fs::WritePrivateProfileString(sections.count, kCountKey, "1", path);
    platform::fs::WritePrivateProfileString(sections.linkFlag, firstIndex, "0", path);
    platform::fs::WritePrivateProfileString(sections.names, firstIndex, kFirstProfileName, path);
    StoreSelection(kind, type, 0);
    return kLoaded;
}

}  // namespace profile
