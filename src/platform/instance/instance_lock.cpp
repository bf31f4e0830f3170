#include "platform/instance/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/instance/runtime_folder.h"

namespace platform::instance {

InstanceLock::InstanceLock(std::string_view name) {
    auto folder = RuntimeFolder();
    if (!folder) {
        return;
    }
    std::string path = *folder + std::string(name) + ".lock";
    // Close-on-exec: a program this one starts must not keep the lock alive after it ends.
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        return;
    }
    int result;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::kOwned;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::kHeldElsewhere : State::kFailed;
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

}  // namespace platform::instance
