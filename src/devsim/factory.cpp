#include "devsim/factory.h"

namespace devsim {

void StoreRgb(std::vector<uint8_t>& area, size_t offset, const Rgb& colour) {
    area.at(offset) = colour.red;
    area.at(offset + 1) = colour.green;
    area.at(offset + 2) = colour.blue;
}

void StoreFactoryRecords(std::vector<uint8_t>& params, const Lighting& lighting) {
    for (size_t record = 0; record < kParamRecordCount; ++record) {
        const size_t base = ParamRecordOffset(record);
        params.at(base) = static_cast<uint8_t>(record);
        params.at(base + kParamEffect) = lighting.effect;
        params.at(base + kParamBrightness) = lighting.brightness;
        params.at(base + kParamSpeed) = lighting.speed;
        params.at(base + kParamDirection) = lighting.direction;
        params.at(base + kParamColourCycle) = lighting.colourCycle;
        StoreRgb(params, base + kParamRed, lighting.colour);
    }
}

void StoreFunctions(std::vector<uint8_t>& area, size_t offset, std::span<const Function> codes) {
    for (const Function& code : codes) {
        for (uint8_t byte : code) {
            area.at(offset++) = byte;
        }
    }
}

}  // namespace devsim
