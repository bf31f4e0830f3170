#include "platform/instance/activation.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/instance/runtime_folder.h"

namespace platform::instance {
namespace {

std::optional<sockaddr_un> SocketAddress(std::string_view name, std::string* path) {
    auto folder = RuntimeFolder();
    if (!folder) {
        return std::nullopt;
    }
    *path = *folder + std::string(name) + ".sock";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path->size() >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path->c_str(), path->size() + 1);
    return address;
}

// wParam and lParam of the activation message, both 0.
struct ActivationRequest {
    uint64_t wParam = 0;
    uint64_t lParam = 0;
};

}  // namespace

bool BroadcastActivation(std::string_view name) {
    std::string path;
    auto address = SocketAddress(name, &path);
    if (!address) {
        return false;
    }
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    ActivationRequest request;
    ssize_t sent;
    do {
        sent = sendto(fd, &request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&*address),
                      sizeof *address);
    } while (sent < 0 && errno == EINTR);
    close(fd);
    return sent == static_cast<ssize_t>(sizeof request);
}

ActivationListener::ActivationListener(std::string_view name, Callback onActivation)
    : onActivation_(std::move(onActivation)) {
    auto address = SocketAddress(name, &path_);
    if (!address) {
        return;
    }
    fd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) {
        return;
    }
    unlink(path_.c_str());
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    thread_.Start([this](sys::Event& stop) { Receive(stop); });
}

ActivationListener::~ActivationListener() {
    thread_.RequestStop();
    thread_.Join();
    if (fd_ >= 0) {
        close(fd_);
        unlink(path_.c_str());
    }
}

void ActivationListener::Receive(sys::Event& stop) {
    pollfd fds[2] = {{stop.fd(), POLLIN, 0}, {fd_, POLLIN, 0}};
    for (;;) {
        fds[0].revents = fds[1].revents = 0;
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents != 0 || (fds[1].revents & (POLLERR | POLLNVAL)) != 0) {
            return;
        }
        ActivationRequest request;
        while (recv(fd_, &request, sizeof request, 0) >= 0) {
            onActivation_();
        }
    }
}

}  // namespace platform::instance
