#include "platform/hid/hidraw_reader.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/hid/fd_wait.h"

namespace platform::hid {
namespace {

// The kernel's largest hidraw report, plus the report id that we insert.
constexpr size_t kMaxNodeReport = 16384 + 1;

}  // namespace

HidrawReader::HidrawReader(UniqueFd fd, bool usesReportIds)
    : fd_(std::move(fd)), usesReportIds_(usesReportIds), scratch_(kMaxNodeReport) {}

std::unique_ptr<HidrawReader::Subscription> HidrawReader::Subscribe(
    const std::shared_ptr<HidrawReader>& reader, std::vector<uint8_t> reportIds) {
    std::lock_guard lock(reader->mutex_);
    Queue* queue = &reader->queues_.emplace_back(std::move(reportIds));
    return std::make_unique<Subscription>(reader, queue);
}

void HidrawReader::Unsubscribe(Queue* queue) {
    std::lock_guard lock(mutex_);
    queues_.remove_if([queue](const Queue& q) { return &q == queue; });
}

HidrawReader::Subscription::Subscription(std::shared_ptr<HidrawReader> reader, Queue* queue)
    : reader_(std::move(reader)), queue_(queue) {}

HidrawReader::Subscription::~Subscription() {
    reader_->Unsubscribe(queue_);
}

HidrawReader::Pull HidrawReader::PullOneLocked() {
    if (disconnected_) {
        return Pull::kDisconnected;
    }
    // Without report ids the node delivers bare data: make room for the id byte 0.
    const size_t idBytes = usesReportIds_ ? 0 : 1;
    ssize_t got;
    do {
        got = read(fd_.get(), scratch_.data() + idBytes, scratch_.size() - idBytes);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return Pull::kNothing;
        }
        if (errno == ENODEV || errno == EIO || errno == ECONNRESET) {
            disconnected_ = true;
            return Pull::kDisconnected;
        }
        return Pull::kError;
    }
    if (got == 0) {
        disconnected_ = true;  // end of stream: the device is gone
        return Pull::kDisconnected;
    }
    scratch_[0] = usesReportIds_ ? scratch_[0] : 0;
    const size_t length = static_cast<size_t>(got) + idBytes;
    for (Queue& queue : queues_) {
        if (std::find(queue.reportIds.begin(), queue.reportIds.end(), scratch_[0]) ==
            queue.reportIds.end()) {
            continue;
        }
        if (queue.reports.size() >= kQueueLimit) {
            queue.reports.pop_front();
        }
        queue.reports.emplace_back(scratch_.begin(), scratch_.begin() + length);
        queue.ready.Set();
    }
    return Pull::kDispatched;
}

bool HidrawReader::PopLocked(Queue& queue, std::span<uint8_t> buffer, size_t& bytesRead) {
    if (queue.reports.empty()) {
        return false;
    }
    const std::vector<uint8_t>& report = queue.reports.front();
    bytesRead = std::min(report.size(), buffer.size());
    if (bytesRead > 0) {
        std::memcpy(buffer.data(), report.data(), bytesRead);
    }
    queue.reports.pop_front();
    if (queue.reports.empty()) {
        queue.ready.Reset();
    }
    return true;
}

IoStatus HidrawReader::Subscription::Read(std::span<uint8_t> buffer, size_t& bytesRead,
                                          uint32_t timeoutMs, sys::Event& abort) {
    bytesRead = 0;
    HidrawReader& reader = *reader_;
    const Deadline deadline(timeoutMs);
    for (;;) {
        pollfd fds[] = {{queue_->ready.fd(), POLLIN, 0}, {reader.fd_.get(), POLLIN, 0}};
        if (std::optional<IoStatus> end = EndOfTransfer(WaitForFds(abort, fds, deadline))) {
            return *end;
        }
        std::lock_guard lock(reader.mutex_);
        if (reader.PopLocked(*queue_, buffer, bytesRead)) {
            return IoStatus::kOk;
        }
        if (fds[1].revents == 0) {
            continue;  // another reader took the report first
        }
        switch (reader.PullOneLocked()) {
            case Pull::kDisconnected:
                return IoStatus::kDisconnected;
            case Pull::kError:
                return IoStatus::kIoError;
            case Pull::kDispatched:
                if (reader.PopLocked(*queue_, buffer, bytesRead)) {
                    return IoStatus::kOk;
                }
                break;
            case Pull::kNothing:
                break;
        }
    }
}

}  // namespace platform::hid
