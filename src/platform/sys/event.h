#pragma once

#include <cstdint>
#include <span>

namespace platform::sys {

// Time-out value meaning "wait forever".
inline constexpr uint32_t kInfinite = 0xFFFFFFFF;
// Results of the waits: kWaitObject0 + index of the event that ended the wait, or kWaitTimeout.
inline constexpr uint32_t kWaitObject0 = 0;
inline constexpr uint32_t kWaitTimeout = 258;
inline constexpr uint32_t kWaitFailed = 0xFFFFFFFF;

enum class ResetMode { kManual, kAuto };

// A kernel-backed event (eventfd) so that it can be waited on together with file descriptors.
// Manual-reset events stay signalled until Reset; an auto-reset event is consumed by exactly one
// successful wait, and setting it while it is already signalled has no further effect.
class Event {
public:
    explicit Event(ResetMode mode, bool initiallySet = false);
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    // True when signalled; an auto-reset event is consumed by a successful call.
    bool TryAcquire();
    // Non-consuming check of the state.
    bool IsSet() const;

    ResetMode mode() const { return mode_; }
    // Readable while the event is signalled; for poll() together with other descriptors.
    int fd() const { return fd_; }

private:
    ResetMode mode_;
    int fd_;
};

// Waits until one of the events is signalled or the time-out passes. When several are
// signalled, the first in order wins; an auto-reset winner is consumed.
uint32_t WaitForMultipleObjects(std::span<Event* const> events, uint32_t timeoutMs);
uint32_t WaitForSingleObject(Event& event, uint32_t timeoutMs);

}  // namespace platform::sys
