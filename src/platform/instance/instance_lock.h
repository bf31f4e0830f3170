#pragma once

#include <string_view>

namespace platform::instance {

// A named lock that at most one process of this user holds: the single-instance mutex. It is an
// flock()ed file in the runtime folder, so the kernel releases it when the holder dies, however
// it dies. Released on destruction.
class InstanceLock {
public:
    enum class State {
        kOwned,          // this process holds it: the first instance
        kHeldElsewhere,  // another process holds it: hand over and exit
        kFailed,         // no lock could be made; callers go on as the first instance
    };

    explicit InstanceLock(std::string_view name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool HeldElsewhere() const { return state_ == State::kHeldElsewhere; }

private:
    int fd_ = -1;
    State state_ = State::kFailed;
};

}  // namespace platform::instance
