#include "devsim/pad_model.h"

namespace devsim::pad {

DeviceMemory FactoryMemory() {
    DeviceMemory memory;
    StoreFactoryRecords(memory.params, kFactoryLighting);
    return memory;
}

}  // namespace devsim::pad
