#include "automation/private_socket.h"

#include <errno.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace automation {

namespace {

constexpr int kBacklog = 4;

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

std::optional<sockaddr_un> AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

bool SomeoneListens(const sockaddr_un& address) {
    UniqueFd probe(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return probe.valid() &&
           connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Clears the way for bind: a stale socket file of an earlier run is removed, anything else is
// left alone and refused.
std::string ClearStaleSocket(const std::string& path, const sockaddr_un& address) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return {};
    }
    if (!S_ISSOCK(info.st_mode)) {
        return "automation channel: " + path + " exists and is not a socket";
    }
    if (SomeoneListens(address)) {
        return "automation channel: another program already listens on " + path;
    }
    unlink(path.c_str());
    return {};
}

}  // namespace

std::string CheckPrivateFolder(const std::string& socketPath) {
    const std::string folder = FolderOf(socketPath);
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        return "automation channel: cannot use folder " + folder + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return "automation channel: " + folder + " is not a folder";
    }
    if (info.st_uid != geteuid()) {
        return "automation channel: folder " + folder +
               " belongs to another user; use a folder of your own (e.g. mode 0700)";
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return "automation channel: folder " + folder +
               " is writable by other users; use a private folder (e.g. mode 0700)";
    }
    return {};
}

std::optional<PrivateSocket> PrivateSocket::Listen(const std::string& path, std::string& error) {
    const std::optional<sockaddr_un> address = AddressOf(path);
    if (!address) {
        error = "automation channel: socket path is empty or too long: " + path;
        return std::nullopt;
    }
    error = CheckPrivateFolder(path);
    if (error.empty()) {
        error = ClearStaleSocket(path, *address);
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    UniqueFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid() ||
        bind(fd.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        error = "automation channel: cannot bind " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    struct stat bound {};
    // The mode is narrowed before listen, so no other user can connect in between.
    if (chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 || listen(fd.get(), kBacklog) != 0 ||
        lstat(path.c_str(), &bound) != 0) {
        error = "automation channel: cannot listen on " + path + ": " + std::strerror(errno);
        unlink(path.c_str());
        return std::nullopt;
    }
    return PrivateSocket(std::move(fd), path, bound.st_ino);
}

PrivateSocket::~PrivateSocket() {
    struct stat info {};
    if (fd_.valid() && lstat(path_.c_str(), &info) == 0 && info.st_ino == inode_) {
        unlink(path_.c_str());
    }
}

std::optional<uid_t> PeerUserId(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) {
        return std::nullopt;
    }
    return credentials.uid;
}

}  // namespace automation
