#include "default_profiles.h"

#include <algorithm>
#include <array>

#include "devsim/keyboard_model.h"
#include "devsim/mouse_model.h"
#include "devsim/pad_model.h"
#include "keyboard/keyboard_data.h"
#include "mouse/mouse_image.h"
#include "platform/shell/system_parameters.h"
#include "profile/payload_layout.h"
#include "profile/profile_types.h"

namespace default_files {
namespace {

using keyboard::EffectSet;
using profile::DeviceKind;
using profile::ProfileType;
using Bytes = std::vector<uint8_t>;

// The single-colour keyboard shows one fixed colour.
constexpr devsim::Rgb kSingleColour = {0x00, 0xF6, 0xFF};
// Colours of the five custom sets of the full-colour keyboard, one per set.
constexpr std::array<devsim::Rgb, keyboard::kCustomSetCount> kCustomSetColours = {{
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0xFF, 0xFF},
    {0x01, 0x99, 0xCB},
}};
// Intensities of the five custom sets of the single-colour keyboard, one per set.
constexpr std::array<uint8_t, keyboard::kCustomSetCount> kCustomSetIntensities = {255, 192, 128, 64,
                                                                                  32};

void PutRgb(Bytes& bytes, size_t offset, const devsim::Rgb& colour) {
    bytes.at(offset) = colour.red;
    bytes.at(offset + 1) = colour.green;
    bytes.at(offset + 2) = colour.blue;
}

template <typename Source>
void Put(Bytes& bytes, size_t offset, const Source& source, size_t count) {
    std::copy_n(source.begin(), count, bytes.begin() + static_cast<ptrdiff_t>(offset));
}

Bytes Record0(const devsim::DeviceMemory& memory) {
    return {memory.params.begin(), memory.params.begin() + mouse::kParamRecordSize};
}

Bytes MouseRecord() {
    Bytes record = Record0(devsim::mouse::FactoryMemory());
    record[mouse::kPointerSpeed] = platform::shell::kDefaultPointerSpeed;
    record[mouse::kWheelLines] = platform::shell::kDefaultWheelScrollLines;
    return record;
}

// What reading key table 0 returns: the device's first 512 bytes of its key area, of which
// the keyboard transfers three bytes per key.
Bytes KeyMapPage(const devsim::DeviceMemory& memory, size_t transferLength) {
    Bytes page(mouse::kKeyMapPageSize, 0);
    Put(page, 0, memory.keyTables, transferLength);
    return page;
}

Bytes KeyboardRecord(EffectSet set) {
    Bytes record = Record0(devsim::keyboard::FactoryMemory());
    if (set == EffectSet::kB) {
        PutRgb(record, mouse::kRed, kSingleColour);
        record[mouse::kColourCycle] = 0;
    }
    return record;
}

Bytes KeyboardExtras(EffectSet set) {
    Bytes extras(keyboard::kExtrasSize, 0);
    extras[keyboard::kExtrasSetIndex] = 0;
    for (size_t s = 0; s < keyboard::kCustomSetCount; ++s) {
        const size_t base = keyboard::kExtrasSets + s * keyboard::kCustomSetSize;
        for (size_t slot = 0; slot < keyboard::kKeySlotCount; ++slot) {
            if (set == EffectSet::kA) {
                PutRgb(extras, base + 3 * slot, kCustomSetColours[s]);
            } else {
                extras[base + slot] = kCustomSetIntensities[s];
            }
        }
    }
    PutRgb(extras, keyboard::kExtrasColour,
           set == EffectSet::kA ? devsim::keyboard::kFactoryLighting.colour : kSingleColour);
    return extras;
}

Bytes Concatenate(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

DefaultProfile Keyboard(ProfileType type, EffectSet set) {
    const Bytes page = KeyMapPage(devsim::keyboard::FactoryMemory(),
                                  devsim::keyboard::kKeyCount * mouse::kFunctionSize);
    Bytes payload;
    switch (type) {
        case ProfileType::kDevice:
            payload = Concatenate({page, KeyboardRecord(set), KeyboardExtras(set)});
            break;
        case ProfileType::kLight:
            payload = Concatenate({KeyboardRecord(set), KeyboardExtras(set)});
            break;
        case ProfileType::kKey:
            payload = page;
            break;
    }
    return {profile::DefaultFileName(DeviceKind::kKeyboard, type, set),
            profile::KindCode(DeviceKind::kKeyboard), std::move(payload)};
}

}  // namespace

std::vector<DefaultProfile> DefaultProfiles() {
    std::vector<DefaultProfile> profiles;
    profiles.push_back(
        {profile::DefaultFileName(DeviceKind::kMouse, ProfileType::kDevice),
         profile::KindCode(DeviceKind::kMouse),
         Concatenate(
             {KeyMapPage(devsim::mouse::FactoryMemory(), mouse::kKeyMapPageSize), MouseRecord()})});
    for (const EffectSet set : {EffectSet::kA, EffectSet::kB}) {
        for (const ProfileType type :
             {ProfileType::kDevice, ProfileType::kLight, ProfileType::kKey}) {
            profiles.push_back(Keyboard(type, set));
        }
    }
    profiles.push_back({profile::DefaultFileName(DeviceKind::kPad, ProfileType::kLight),
                        profile::KindCode(DeviceKind::kPad),
                        Record0(devsim::pad::FactoryMemory())});
    return profiles;
}

}  // namespace default_files
