#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <vector>

#include "platform/hid/hid_backend.h"
#include "platform/sys/event.h"

namespace devsim {

// Input reports waiting for one open connection, as the HID driver buffers them per handle:
// every open handle of a collection gets its own copy, and the oldest is dropped when full.
class InputQueue {
public:
    static constexpr size_t kCapacity = 32;

    InputQueue() = default;
    InputQueue(const InputQueue&) = delete;
    InputQueue& operator=(const InputQueue&) = delete;

    // Queues a report that becomes readable at `readyAt` (tick count); reports stay in order,
    // so a late report also holds back the ones behind it, like a busy device.
    void Push(std::span<const uint8_t> report, uint64_t readyAt);
    // Ends every pending and later read with kDisconnected.
    void Disconnect();
    bool disconnected() const;

    // Takes the next readable report, waiting up to `timeoutMs` (or until `abort`, which the
    // wait consumes). A report already readable is returned without looking at `abort`.
    platform::hid::IoStatus Pop(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                                platform::sys::Event& abort);

private:
    struct Entry {
        uint64_t readyAt = 0;
        std::vector<uint8_t> bytes;
    };

    mutable std::mutex mutex_;
    std::deque<Entry> entries_;
    bool disconnected_ = false;
    // Set on every push and on disconnection; a reader resets it before it looks.
    platform::sys::Event changed_{platform::sys::ResetMode::kManual};
};

}  // namespace devsim
