#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

#include "platform/hid/hid_backend.h"
#include "platform/hid/unique_fd.h"
#include "platform/sys/event.h"

namespace platform::hid {

// Reads the input reports of one hidraw node, which carries those of every top-level collection
// of its USB interface, and hands each to the queues of the collections that own its report id.
// So a command's answer is never confused with another collection's report (a consumer notice,
// pointer motion), and that report still reaches its own reader. Whichever reader waits pulls
// from the node; there is no thread of its own.
class HidrawReader {
public:
    static constexpr size_t kQueueLimit = 32;  // per reader; the oldest report is dropped

    struct Queue {
        explicit Queue(std::vector<uint8_t> ids) : reportIds(std::move(ids)) {}
        std::vector<uint8_t> reportIds;
        std::deque<std::vector<uint8_t>> reports;
        sys::Event ready{sys::ResetMode::kManual};  // set while `reports` is not empty
    };
    // One reader's place at the node, for the input report ids of its collection.
    class Subscription {
    public:
        Subscription(std::shared_ptr<HidrawReader> reader, Queue* queue);
        ~Subscription();
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;

        // One report of this collection, byte 0 its id; copied only before returning.
        IoStatus Read(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                      sys::Event& abort);

    private:
        std::shared_ptr<HidrawReader> reader_;
        Queue* queue_;
    };

    HidrawReader(UniqueFd fd, bool usesReportIds);

    static std::unique_ptr<Subscription> Subscribe(const std::shared_ptr<HidrawReader>& reader,
                                                   std::vector<uint8_t> reportIds);

private:
    enum class Pull { kDispatched, kNothing, kDisconnected, kError };

    // Reads one report from the node (if one is there) and queues it; called with mutex_ held.
    Pull PullOneLocked();
    bool PopLocked(Queue& queue, std::span<uint8_t> buffer, size_t& bytesRead);
    void Unsubscribe(Queue* queue);

    UniqueFd fd_;
    const bool usesReportIds_;
    std::mutex mutex_;
    std::list<Queue> queues_;
    bool disconnected_ = false;
    std::vector<uint8_t> scratch_;
};

}  // namespace platform::hid
