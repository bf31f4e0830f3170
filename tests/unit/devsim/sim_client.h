#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "devsim/protocol.h"
#include "platform/hid/hid_backend.h"

// The host side of the vendor protocol, as small as the tests need it.
namespace devsim::testing {

Report MakeRequest(uint8_t cmd, uint8_t length = 0, uint16_t offset = 0,
                   std::span<const uint8_t> data = {});

// Writes the request and reads one answer; empty when none arrived within the time-out.
std::optional<Report> Transact(platform::hid::Connection& connection, const Report& request,
                               uint32_t timeoutMs = 300);

// Moves `total` bytes in 56-byte chunks from device offset `base`, the way the host does.
// Returns the first error status (or 0 for no answer) and stops there; kOk when all went.
struct ChunkResult {
    uint8_t status = status::kOk;
    bool answered = true;
};
ChunkResult ChunkedRead(platform::hid::Connection& connection, uint8_t cmd, uint16_t base,
                        std::span<uint8_t> buffer);
ChunkResult ChunkedWrite(platform::hid::Connection& connection, uint8_t cmd, uint16_t base,
                         std::span<const uint8_t> data);

}  // namespace devsim::testing
