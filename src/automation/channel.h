#pragma once

#include <memory>
#include <string>

#include "automation/context.h"
#include "automation/private_socket.h"
#include "automation/request_handler.h"
#include "platform/sys/thread.h"

namespace automation {

// Connections served at once; further ones are told so and closed.
inline constexpr size_t kMaxClients = 8;
// A client that does not take its reply within this time is dropped.
inline constexpr int kWriteTimeoutMs = 5000;

// The automation channel: a Unix socket where local scripts send one JSON request per line and
// read one JSON reply per line, in order. A listener thread reads the requests and hands each
// to the UI thread, which runs it through the toolkit's input path and the simulator; the
// listener then writes the reply. Only connections from this same user are served.
class AutomationChannel {
public:
    // Stops the listener, forgets the clients and removes the socket. On the UI thread.
    ~AutomationChannel();
    AutomationChannel(const AutomationChannel&) = delete;
    AutomationChannel& operator=(const AutomationChannel&) = delete;

    const std::string& path() const { return socket_.path(); }

private:
    friend std::unique_ptr<AutomationChannel> StartAutomationChannel(const std::string&,
                                                                     AutomationContext,
                                                                     std::string&);
    AutomationChannel(PrivateSocket socket, AutomationContext context);
    void Listen(platform::sys::Event& stop);

    PrivateSocket socket_;
    RequestHandler handler_;
    platform::sys::StoppableThread listener_;
};

// Starts the channel at `path`, on the UI thread (whose loop then serves the requests). Null
// with a message for the user in `error` when the path cannot be used safely or at all.
std::unique_ptr<AutomationChannel> StartAutomationChannel(const std::string& path,
                                                          AutomationContext context,
                                                          std::string& error);

}  // namespace automation
