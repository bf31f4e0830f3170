#include "profile/profile_types.h"

#include "app/data_folders.h"
#include "profile/payload_layout.h"

namespace profile {

ListSections SectionsOf(DeviceKind kind, ProfileType type) {
    switch (type) {
        case ProfileType::kDevice:
            return {"PROFILEDEVICECOUNT", "PROFILEDEVICENAME", "PROFILEDEVICESELECT",
                    "PROFILELIKEDEVICEEXE",
                    kind == DeviceKind::kMouse ? "DEVICEPROCESS" : "PROCESS"};
        case ProfileType::kLight:
            return {"PROFILEDENGCOUNT", "PROFILEDENGNAME", "PROFILEDENGSELECT",
                    "PROFILELIKEDENGEXE", "DENGPROCESS"};
        case ProfileType::kKey:
            break;
    }
    return {"PROFILECOUNT", "PROFILENAME", "PROFILESELECT", "PROFILELIKEEXE", "PROCESS"};
}

std::string_view ListFileName(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::kKeyboard:
            return "kbProfile.ini";
        case DeviceKind::kMouse:
            return "msProfile.ini";
        case DeviceKind::kPad:
            break;
    }
    return "mpProfile.ini";
}

std::string KindFolder(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::kKeyboard:
            return app::GetKeyboardFolder();
        case DeviceKind::kMouse:
            return app::GetMouseFolder();
        case DeviceKind::kPad:
            break;
    }
    return app::GetPadFolder();
}

std::string ListPath(DeviceKind kind) {
    return KindFolder(kind) + std::string(ListFileName(kind));
}

std::string_view Extension(ProfileType type) {
    switch (type) {
        case ProfileType::kDevice:
            return ".config";
        case ProfileType::kLight:
            return ".led";
        case ProfileType::kKey:
            break;
    }
    return ".pro";
}

std::string_view LoadExtension(ProfileType type) {
    return type == ProfileType::kKey ? ".PRO" : Extension(type);
}

size_t PayloadSize(DeviceKind kind, ProfileType type) {
    using namespace layout;
    switch (kind) {
        case DeviceKind::kMouse:
            return type == ProfileType::kDevice  ? kMouseDeviceSize
                   : type == ProfileType::kLight ? kMouseLightSize
                                                 : kMouseKeySize;
        case DeviceKind::kKeyboard:
            return type == ProfileType::kDevice  ? kKeyboardDeviceSize
                   : type == ProfileType::kLight ? kKeyboardLightSize
                                                 : kKeyboardKeySize;
        case DeviceKind::kPad:
            break;
    }
    return type == ProfileType::kLight ? kPadLightSize : 0;
}

std::string_view DefaultFileName(DeviceKind kind, ProfileType type, keyboard::EffectSet effectSet) {
    const bool singleColour = effectSet == keyboard::EffectSet::kB;
    switch (kind) {
        case DeviceKind::kMouse:
            return type == ProfileType::kDevice ? "msdevicedefault.config" : "";
        case DeviceKind::kKeyboard:
            switch (type) {
                case ProfileType::kDevice:
                    return singleColour ? "kbdevice15default.config" : "kbdevicedefault.config";
                case ProfileType::kLight:
                    return singleColour ? "kb15dengdefault.led" : "kbdengdefault.led";
                case ProfileType::kKey:
                    return singleColour ? "kbkey15default.pro" : "kbkeydefault.pro";
            }
            break;
        case DeviceKind::kPad:
            return type == ProfileType::kLight ? "mpdengdefault.Led" : "";
    }
    return "";
}

bool IsSafeProfileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace profile
