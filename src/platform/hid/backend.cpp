#include <mutex>

#include "platform/hid/hid_backend.h"
#include "platform/hid/hidraw_backend.h"

namespace platform::hid {
namespace {

std::mutex& BackendMutex() {
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<Backend>& Installed() {
    static std::shared_ptr<Backend> backend;
    return backend;
}

}  // namespace

void SetBackend(std::shared_ptr<Backend> backend) {
    std::lock_guard lock(BackendMutex());
    Installed() = std::move(backend);
}

Backend& CurrentBackend() {
    std::lock_guard lock(BackendMutex());
    std::shared_ptr<Backend>& backend = Installed();
    if (!backend) {
        backend = MakeHidrawBackend();
    }
    return *backend;
}

}  // namespace platform::hid
