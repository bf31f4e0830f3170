#include "platform/fs/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "platform/fs/path.h"

namespace platform::fs {
namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A fresh temporary file beside target; O_EXCL makes the name unique among threads and
// processes, and the creation mode goes through the umask like any new file.
std::string CreateTemporaryBeside(const std::string& target, int& fd) {
    static std::atomic<unsigned> counter{0};
    std::string prefix = ParentFolder(target) + "/." + std::string(FileName(target)) + ".tmp-" +
                         std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix + std::to_string(counter++);
        fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return candidate;
        }
    }
    return {};
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        fsync(dir.get());
    }
}

}  // namespace

sys::ReentrantLock& FileWriteLock() {
    static sys::ReentrantLock lock;
    return lock;
}

bool FileExists(std::string_view path) {
    struct stat info {};
    return stat(ResolvePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadFile(std::string_view path, size_t maxBytes) {
    FileDescriptor file(open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        return std::nullopt;
    }
    std::string content;
    char chunk[8192];
    while (content.size() < maxBytes) {
        size_t want = std::min(sizeof chunk, maxBytes - content.size());
        ssize_t got = read(file.get(), chunk, want);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        content.append(chunk, static_cast<size_t>(got));
    }
    return content;
}

bool WriteFileAtomic(std::string_view path, std::string_view bytes) {
    sys::LockGuard guard(FileWriteLock());
    std::string target = ResolvePath(path);
    int rawFd = -1;
    std::string temporary = CreateTemporaryBeside(target, rawFd);
    FileDescriptor file(rawFd);
    if (!file.valid()) {
        return false;
    }
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        fchmod(file.get(), existing.st_mode & 07777);
    }
    bool ok = WriteAll(file.get(), bytes) && fsync(file.get()) == 0 &&
              rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(ParentFolder(target));
    return true;
}

bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
    sys::LockGuard guard(FileWriteLock());
    if (!FileExists(from) || SameFile(from, to) || (failIfExists && FileExists(to))) {
        return false;
    }
    auto content = ReadFile(from);
    return content && WriteFileAtomic(to, *content);
}

bool DeleteFile(std::string_view path) {
    sys::LockGuard guard(FileWriteLock());
    std::string target = ResolvePath(path);
    struct stat info {};
    return lstat(target.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
           unlink(target.c_str()) == 0;
}

bool MoveFile(std::string_view from, std::string_view to) {
    sys::LockGuard guard(FileWriteLock());
    std::string source = ResolvePath(from);
    struct stat info {};
    if (lstat(source.c_str(), &info) != 0) {
        return false;
    }
    std::string destination = ResolvePath(to);
    struct stat existing {};
    if (lstat(destination.c_str(), &existing) == 0 && !SameFile(source, destination)) {
        return false;
    }
    // A change of letter case renames to the spelling the caller asked for.
    std::string wanted(to);
    if (rename(source.c_str(), wanted.c_str()) == 0) {
        return true;
    }
    return errno == EXDEV && CopyFile(source, wanted, true) && DeleteFile(source);
}

bool CreateFolder(std::string_view path) {
    std::string target = ResolvePath(path);
    std::error_code error;
    std::filesystem::create_directories(target, error);
    return std::filesystem::is_directory(target, error);
}

}  // namespace platform::fs
