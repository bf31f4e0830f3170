#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "devsim/device_memory.h"

// Building blocks of the devices' factory memory.
namespace devsim {

// One function code as the key tables hold it: kind, first parameter, second parameter.
using Function = std::array<uint8_t, kFunctionSize>;

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

struct Lighting {
    uint8_t effect = 0;
    uint8_t brightness = 0;  // 0 … 4
    uint8_t speed = 0;       // 0 … 4, 0 fastest
    uint8_t direction = 0;
    uint8_t colourCycle = 0;
    Rgb colour;
};

// Five parameter records, each starting with its own number except record 0, whose byte 0 is
// the active record (record 0 at the factory); every record gets the same lighting.
void StoreFactoryRecords(std::vector<uint8_t>& params, const Lighting& lighting);
void StoreRgb(std::vector<uint8_t>& area, size_t offset, const Rgb& colour);
void StoreFunctions(std::vector<uint8_t>& area, size_t offset, std::span<const Function> codes);

}  // namespace devsim
