#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "devsim/protocol.h"

namespace devsim {

// One request as the firmware received it, and how it answered.
struct ExchangeRecord {
    uint8_t command = 0;
    uint16_t offset = 0;
    uint8_t length = 0;
    std::vector<uint8_t> data;  // the `length` data bytes of the request (at most 56)
    Report request{};           // as received, for checks on the whole frame
    bool checksumOk = true;
    std::optional<uint8_t> answerStatus;  // empty when no answer was sent
};

}  // namespace devsim
