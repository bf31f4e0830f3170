#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/sys/thread.h"

namespace platform::instance {

// The activation request a second start sends to the running instance: one datagram on a Unix
// socket named after the registered message, in the runtime folder (mode 0700, so only this
// user can send). Its content carries nothing the receiver depends on.

// Sends one activation request; true when a listener's socket took it.
bool BroadcastActivation(std::string_view name);

// Receives activation requests on its own thread and calls onActivation there once per request
// (the caller posts its window message from it). Only the holder of the instance lock should
// listen: a socket left behind by a dead instance is replaced.
class ActivationListener {
public:
    using Callback = std::function<void()>;

    ActivationListener(std::string_view name, Callback onActivation);
    ~ActivationListener();
    ActivationListener(const ActivationListener&) = delete;
    ActivationListener& operator=(const ActivationListener&) = delete;

    bool Listening() const { return fd_ >= 0; }

private:
    void Receive(sys::Event& stop);

    std::string path_;
    int fd_ = -1;
    Callback onActivation_;
    sys::StoppableThread thread_;
};

}  // namespace platform::instance
