#include "devsim/mouse_model.h"

namespace devsim::mouse {

DeviceMemory FactoryMemory() {
    DeviceMemory memory;
    memory.info[kInfoMacroCapacity] = kMacroCapacityUnits;
    memory.info[kInfoMaxDpiSlider] = kMaxDpiSlider;
    memory.info[kInfoMinDpi] = static_cast<uint8_t>(kMinDpi & 0xFF);
    memory.info[kInfoMinDpi + 1] = static_cast<uint8_t>(kMinDpi >> 8);

    StoreFactoryRecords(memory.params, kFactoryLighting);
    for (size_t record = 0; record < kParamRecordCount; ++record) {
        const size_t base = ParamRecordOffset(record);
        memory.params[base + kParamReportRate] = kFactoryReportRate;
        for (size_t level = 0; level < kFactoryDpiLevels.size(); ++level) {
            memory.params[base + kParamDpiLevels[level]] = kFactoryDpiLevels[level];
            StoreRgb(memory.params, base + kParamDpiColours + 3 * level, kFactoryDpiColours[level]);
        }
    }

    memory.defaultTable.resize(kDefaultTableSize);
    StoreFunctions(memory.defaultTable, 0, kFactoryButtons);
    memory.keyTables.resize(kKeyAreaSize);
    for (size_t index = 0; index < kKeyTableCount; ++index) {
        StoreFunctions(memory.keyTables, KeyTableOffset(index), kFactoryButtons);
    }
    memory.macroArea.resize(size_t{kMacroCapacityUnits} * kMacroUnit);
    return memory;
}

}  // namespace devsim::mouse
