#include "app/stop_signals.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>
#include <cerrno>

namespace app {

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    fd_ = signalfd(-1, &signals, SFD_CLOEXEC);
    if (fd_ >= 0) {
        thread_.Start([this](platform::sys::Event& stop) { Watch(stop); });
    }
}

StopSignals::~StopSignals() {
    thread_.RequestStop();
    thread_.Join();
    if (fd_ >= 0) {
        close(fd_);
    }
}

void StopSignals::Watch(platform::sys::Event& stop) {
    pollfd fds[] = {{fd_, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            signalfd_siginfo info;
            if (read(fd_, &info, sizeof info) == sizeof info) {
                onStop_();
            }
        }
    }
}

}  // namespace app
