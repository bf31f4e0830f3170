#include "automation/channel.h"

#include <errno.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>

#include "automation/line_splitter.h"
#include "platform/msg/post.h"

namespace automation {

namespace {

namespace sys = platform::sys;

constexpr size_t kReadChunk = 4096;

// A reply that the UI thread fills in and the listener waits for. Shared, so that a reply
// that comes after the listener stopped waiting lands in memory that still exists.
struct PendingReply {
    std::mutex mutex;
    std::string text;
    sys::Event done{sys::ResetMode::kManual};

    void Complete(std::string reply) {
        {
            std::lock_guard lock(mutex);
            text = std::move(reply);
        }
        done.Set();
    }
    std::string Take() {
        std::lock_guard lock(mutex);
        return std::move(text);
    }
};

// Writes the whole text; false when the client is gone, stops reading, or the channel stops.
bool WriteAll(int fd, std::string_view text, sys::Event& stop) {
    while (!text.empty()) {
        const ssize_t sent = send(fd, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            text.remove_prefix(static_cast<size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return false;
        }
        pollfd fds[] = {{stop.fd(), POLLIN, 0}, {fd, POLLOUT, 0}};
        if (poll(fds, 2, kWriteTimeoutMs) <= 0 || (fds[0].revents & POLLIN) != 0) {
            return false;
        }
    }
    return true;
}

bool WriteLine(int fd, const Json& reply, sys::Event& stop) {
    return WriteAll(fd, reply.Write() + "\n", stop);
}

// One connected client and the part of a line it has sent so far.
struct Client {
    UniqueFd fd;
    LineSplitter lines;
};

class Listener {
public:
    Listener(int listenFd, RequestHandler& handler, platform::msg::HWND uiWindow, sys::Event& stop)
        : listenFd_(listenFd), handler_(handler), uiWindow_(uiWindow), stop_(stop) {}

    void Run() {
        while (true) {
            std::vector<pollfd> fds = {{stop_.fd(), POLLIN, 0}, {listenFd_, POLLIN, 0}};
            for (const Client& client : clients_) {
                fds.push_back({client.fd.get(), POLLIN, 0});
            }
            if (poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if (stop_.IsSet()) {
                return;
            }
            if ((fds[1].revents & POLLIN) != 0) {
                Accept();
            }
            // Clients accepted just now were not polled; they come in the next round.
            for (size_t i = fds.size() - 1; i >= 2; --i) {
                if (fds[i].revents != 0 && !Serve(clients_[i - 2])) {
                    if (stop_.IsSet()) {
                        return;
                    }
                    clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i - 2));
                }
            }
        }
    }

private:
    void Accept() {
        UniqueFd fd(accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!fd.valid()) {
            return;
        }
        const std::optional<uid_t> peer = PeerUserId(fd.get());
        if (!peer || *peer != geteuid()) {
            Refuse(fd.get(), "connection refused: the automation channel serves only its own user");
        } else if (clients_.size() >= kMaxClients) {
            Refuse(fd.get(), "connection refused: too many automation clients");
        } else {
            clients_.push_back({std::move(fd), LineSplitter()});
        }
    }

    // One try, never waiting: whoever is refused gets no more of our time.
    static void Refuse(int fd, std::string_view why) {
        const std::string line = ErrorReply(Json(), why).Write() + "\n";
        [[maybe_unused]] ssize_t ignored =
            send(fd, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    }

    // Reads what the client sent and answers its complete lines; false to drop the client.
    bool Serve(Client& client) {
        char buffer[kReadChunk];
        const ssize_t got = recv(client.fd.get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (got < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        }
        if (got == 0) {
            return false;
        }
        for (LineEvent& event : client.lines.Feed({buffer, static_cast<size_t>(got)})) {
            if (!Answer(client.fd.get(), event)) {
                return false;
            }
        }
        return true;
    }

    bool Answer(int fd, const LineEvent& event) {
        if (event.kind == LineEvent::Kind::kTooLong) {
            return WriteLine(
                fd,
                ErrorReply(Json(), "request line longer than " + std::to_string(kMaxLineBytes) +
                                       " bytes; it was skipped"),
                stop_);
        }
        if (event.line.find_first_not_of(" \t\r") == std::string::npos) {
            return true;  // blank lines are not requests
        }
        JsonParseResult parsed = ParseJson(event.line);
        if (!parsed.value) {
            return WriteLine(fd, ErrorReply(Json(), parsed.error), stop_);
        }
        std::optional<std::string> reply = RunOnUiThread(std::move(*parsed.value));
        return reply && WriteAll(fd, *reply + "\n", stop_);
    }

    // Hands the request to the UI thread and waits for its reply (or for the channel to stop).
    std::optional<std::string> RunOnUiThread(Json request) {
        auto pending = std::make_shared<PendingReply>();
        RequestHandler* handler = &handler_;
        const bool posted =
            platform::msg::PostTask(uiWindow_, [handler, pending, request = std::move(request)] {
                handler->Handle(request,
                                [pending](const Json& reply) { pending->Complete(reply.Write()); });
            });
        if (!posted) {
            return ErrorReply(Json(), "the program is shutting down").Write();
        }
        sys::Event* events[] = {&pending->done, &stop_};
        if (sys::WaitForMultipleObjects(events, sys::kInfinite) != sys::kWaitObject0) {
            return std::nullopt;
        }
        return pending->Take();
    }

    int listenFd_;
    RequestHandler& handler_;
    platform::msg::HWND uiWindow_;
    sys::Event& stop_;
    std::vector<Client> clients_;
};

}  // namespace

AutomationChannel::AutomationChannel(PrivateSocket socket, AutomationContext context)
    : socket_(std::move(socket)), handler_(std::move(context)) {
    listener_.Start([this](sys::Event& stop) { Listen(stop); });
}

AutomationChannel::~AutomationChannel() {
    listener_.RequestStop();
    listener_.Join();
}

void AutomationChannel::Listen(sys::Event& stop) {
    Listener(socket_.fd(), handler_, handler_.window(), stop).Run();
}

std::unique_ptr<AutomationChannel> StartAutomationChannel(const std::string& path,
                                                          AutomationContext context,
                                                          std::string& error) {
    std::optional<PrivateSocket> socket = PrivateSocket::Listen(path, error);
    if (!socket) {
        return nullptr;
    }
    return std::unique_ptr<AutomationChannel>(
        new AutomationChannel(std::move(*socket), std::move(context)));
}

}  // namespace automation
