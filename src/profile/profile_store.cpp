#include "profile/profile_store.h"

#include <vector>

#include "app/binary_file.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"
#include "platform/sys/debug_output.h"
#include "profile/payload.h"

namespace profile {
namespace {

// The payload of the profile under index, zero-filled to the type's size; kLoaded or the
// reason it could not be read.
int ReadProfilePayload(DeviceKind kind, ProfileType type, int index,
                       std::vector<uint8_t>& payload) {
    payload.assign(PayloadSize(kind, type), 0);
    const std::string name = ProfileName(kind, type, index);
    int result = kMissing;
    if (!payload.empty() && IsSafeProfileName(name)) {
        result = app::ReadBinaryFile(KindFolder(kind) + name + std::string(LoadExtension(type)),
                                     payload);
    }
    if (result == kMissing) {
        platform::sys::OutputDebugString("配置文件丢失");
    } else if (result == kBadSignature) {
        platform::sys::OutputDebugString("配置文件格式错误");
    }
    return result;
}

// Reads the profile under index and hands its payload to distribute when it loaded.
template <typename Distribute>
int LoadWith(DeviceKind kind, ProfileType type, int index, Distribute distribute) {
    std::vector<uint8_t> payload;
    const int result = ReadProfilePayload(kind, type, index, payload);
    if (result == kLoaded) {
        distribute(std::span<const uint8_t>(payload));
    }
    return result;
}

void WriteSelected(DeviceKind kind, ProfileType type, std::span<const uint8_t> payload) {
    const std::string name = SelectedProfileName(kind, type);
    if (!IsSafeProfileName(name)) {
        platform::sys::OutputDebugString("文件打开失败");
        return;
    }
    app::WriteBinaryFile(ProfilePath(kind, type, name), KindCode(kind), payload);
}

}  // namespace

std::string ProfileName(DeviceKind kind, ProfileType type, int index) {
    return platform::fs::GetProfileString(SectionsOf(kind, type).names, std::to_string(index),
                                          kListDefault, ListPath(kind));
}

std::string SelectedProfileName(DeviceKind kind, ProfileType type) {
    const int selected = platform::fs::GetPrivateProfileInt(SectionsOf(kind, type).select,
                                                            kSelectKey, 0, ListPath(kind));
    return ProfileName(kind, type, selected);
}

std::string ProfilePath(DeviceKind kind, ProfileType type, std::string_view name) {
    return KindFolder(kind) + std::string(name) + std::string(Extension(type));
}

int LoadMouseProfile(mouse::MouseImage& image, ProfileType type, int index) {
    return LoadWith(DeviceKind::kMouse, type, index,
                    [&](auto payload) { DistributeMousePayload(image, type, payload); });
}

int LoadKeyboardProfile(keyboard::KeyboardData& data, ProfileType type, int index) {
    return LoadWith(DeviceKind::kKeyboard, type, index,
                    [&](auto payload) { DistributeKeyboardPayload(data, type, payload); });
}

int LoadPadProfile(mousepad::PadData& data, int index) {
    return LoadWith(DeviceKind::kPad, ProfileType::kLight, index,
                    [&](auto payload) { DistributePadPayload(data, payload); });
}

int LoadProfile(DeviceState& state, DeviceKind kind, ProfileType type, int index) {
    switch (kind) {
        case DeviceKind::kMouse:
            return LoadMouseProfile(state.mouse, type, index);
        case DeviceKind::kKeyboard:
            return LoadKeyboardProfile(state.keyboard, type, index);
        case DeviceKind::kPad:
            break;
    }
    return type == ProfileType::kLight ? LoadPadProfile(state.pad, index) : kMissing;
}

void SaveMouseProfile(mouse::MouseImage& image, ProfileType type) {
    WriteSelected(DeviceKind::kMouse, type, BuildMousePayload(image, type));
}

void SaveKeyboardProfile(keyboard::KeyboardData& data, ProfileType type) {
    WriteSelected(DeviceKind::kKeyboard, type, BuildKeyboardPayload(data, type));
}

void SavePadProfile(mousepad::PadData& data) {
    WriteSelected(DeviceKind::kPad, ProfileType::kLight, BuildPadPayload(data));
}

void SaveSelectedProfile(DeviceState& state, DeviceKind kind, ProfileType type) {
    switch (kind) {
        case DeviceKind::kMouse:
            SaveMouseProfile(state.mouse, type);
            return;
        case DeviceKind::kKeyboard:
            SaveKeyboardProfile(state.keyboard, type);
            return;
        case DeviceKind::kPad:
            if (type == ProfileType::kLight) {
                SavePadProfile(state.pad);
            }
            return;
    }
}

int ReadDefaultFile(std::string_view fileName, std::span<uint8_t> payload) {
    return app::ReadBinaryFile(platform::fs::ProgramFolder() + std::string(fileName), payload);
}

}  // namespace profile
