#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The payloads of the default profile files: the devices' factory settings as the simulator's
// firmware models hold them, laid out as the profile files carry them.
namespace default_files {

struct DefaultProfile {
    std::string_view fileName;
    uint16_t kindCode;
    std::vector<uint8_t> payload;
};

std::vector<DefaultProfile> DefaultProfiles();

}  // namespace default_files
