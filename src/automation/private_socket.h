#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "platform/hid/unique_fd.h"

namespace automation {

using platform::hid::UniqueFd;

// Why the folder of a socket path may not hold the channel: empty when it is ours alone (owned
// by this user and writable by nobody else), so no other user can replace the socket.
std::string CheckPrivateFolder(const std::string& socketPath);

// A listening Unix stream socket at a path in a private folder; removes its file when
// destroyed (unless something else has replaced it meanwhile).
class PrivateSocket {
public:
    // Null with a reason in `error` when the path cannot be used: folder not private, path too
    // long, a file that is not a socket, or another program already listening there.
    static std::optional<PrivateSocket> Listen(const std::string& path, std::string& error);

    PrivateSocket(PrivateSocket&& other) noexcept = default;
    PrivateSocket& operator=(PrivateSocket&&) = delete;
    PrivateSocket(const PrivateSocket&) = delete;
    ~PrivateSocket();

    int fd() const { return fd_.get(); }
    const std::string& path() const { return path_; }

private:
    PrivateSocket(UniqueFd fd, std::string path, ino_t inode)
        : fd_(std::move(fd)), path_(std::move(path)), inode_(inode) {}

    UniqueFd fd_;
    std::string path_;
    ino_t inode_ = 0;
};

// The user id of the process at the other end of a connected Unix socket.
std::optional<uid_t> PeerUserId(int fd);

}  // namespace automation
