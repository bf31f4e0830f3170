#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "keyboard/keyboard_data.h"
#include "mouse/mouse_image.h"
#include "mousepad/pad_data.h"
#include "profile/profile_store.h"
#include "temp_folder.h"

namespace profile {

// Fresh data, configuration and program folders, and the in-memory state of the three kinds.
class ProfileTest : public ::testing::Test {
protected:
    ProfileTest();

    // Every byte the store fills, in one vector, to see whether anything changed.
    std::vector<uint8_t> Snapshot() const;
    // A distinct value in every byte the store fills.
    void FillState(uint8_t seed);
    // Writes the names section of a list (index → name) and selects `selected`.
    void WriteList(DeviceKind kind, ProfileType type, const std::vector<std::string>& names,
                   int selected);
    // A binary file as the tests put it in place: the header bytes given, then the payload.
    void PutFile(const std::string& path, std::vector<uint8_t> header,
                 const std::vector<uint8_t>& payload) const;

    kavrin_testing::TempFolder folder_;
    kavrin_testing::ScopedEnv documents_{"KAVRIN_DOCUMENTS_DIR", folder_.path() + "documents"};
    kavrin_testing::ScopedEnv config_{"KAVRIN_CONFIG_DIR", folder_.path() + "config"};
    kavrin_testing::ScopedEnv program_{"KAVRIN_PROGRAM_DIR", folder_.path() + "program"};
    mouse::MouseImage mouse_;
    keyboard::KeyboardData keyboard_;
    mousepad::PadData pad_;
    DeviceState state_{mouse_, keyboard_, pad_};
};

}  // namespace profile
