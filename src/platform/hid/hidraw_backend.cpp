#include "platform/hid/hidraw_backend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <utility>

#include "platform/hid/fd_wait.h"
#include "platform/hid/hidraw_reader.h"
#include "platform/hid/hidraw_sysfs.h"
#include "platform/hid/report_descriptor.h"
#include "platform/hid/unique_fd.h"

namespace platform::hid {
namespace {

// Linux has no share modes, so `exclusive` and `overlapped` change nothing here; every
// descriptor is non-blocking and transfers wait in poll().
int OpenFlagsFor(const OpenFlags& flags) {
    // Without any access the node is only looked at (a presence test): no permission needed.
    int access = O_PATH;
    if (flags.read && flags.write) {
        access = O_RDWR;
    } else if (flags.read) {
        access = O_RDONLY;
    } else if (flags.write) {
        access = O_WRONLY;
    }
    return access | O_NONBLOCK | O_CLOEXEC;
}

OpenStatus StatusOfErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return OpenStatus::kNotFound;
        case EACCES:
        case EPERM:
            return OpenStatus::kAccessDenied;
        default:
            return OpenStatus::kIoError;
    }
}

// The kernel's own identity of the device when the descriptor is a hidraw node.
Attributes AttributesOf(int fd, Attributes fromSysfs) {
    hidraw_devinfo info{};
    if (ioctl(fd, HIDIOCGRAWINFO, &info) == 0) {
        fromSysfs.vendorId = static_cast<uint16_t>(info.vendor);
        fromSysfs.productId = static_cast<uint16_t>(info.product);
    }
    return fromSysfs;
}

std::mutex& HookMutex() {
    static std::mutex mutex;
    return mutex;
}

std::function<void(const std::string&)>& RealNodeOpenHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

int OpenRealNode(const std::string& devNode, int flags) {
    std::function<void(const std::string&)> hook;
    {
        std::lock_guard lock(HookMutex());
        hook = RealNodeOpenHook();
    }
    if (hook) {
        hook(devNode);
    }
    const int fd = open(devNode.c_str(), flags);
    return fd < 0 ? -errno : fd;
}

class HidrawConnection : public Connection {
public:
    HidrawConnection(UniqueFd fd, Attributes attributes, PreparsedData preparsed,
                     std::unique_ptr<HidrawReader::Subscription> input)
        : fd_(std::move(fd)),
          attributes_(attributes),
          preparsed_(std::move(preparsed)),
          input_(std::move(input)) {}

    const Attributes& attributes() const override { return attributes_; }
    const PreparsedData& preparsed() const override { return preparsed_; }

    // hidraw takes byte 0 as the report id and drops a 0 itself, so the report goes out whole.
    IoStatus Write(std::span<const uint8_t> report, uint32_t timeoutMs,
                   sys::Event& abort) override {
        const Deadline deadline(timeoutMs);
        for (;;) {
            pollfd fds[] = {{fd_.get(), POLLOUT, 0}};
            if (std::optional<IoStatus> end = EndOfTransfer(WaitForFds(abort, fds, deadline))) {
                return *end;
            }
            const ssize_t written = write(fd_.get(), report.data(), report.size());
            if (written == static_cast<ssize_t>(report.size())) {
                return IoStatus::kOk;
            }
            if (written >= 0) {
                return IoStatus::kIoError;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
                continue;
            }
            return errno == ENODEV || errno == EIO || errno == EPIPE || errno == ECONNRESET
                       ? IoStatus::kDisconnected
                       : IoStatus::kIoError;
        }
    }

    IoStatus Read(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                  sys::Event& abort) override {
        bytesRead = 0;
        if (!input_) {
            return IoStatus::kIoError;  // opened without read access
        }
        return input_->Read(buffer, bytesRead, timeoutMs, abort);
    }

private:
    UniqueFd fd_;
    Attributes attributes_;
    PreparsedData preparsed_;
    std::unique_ptr<HidrawReader::Subscription> input_;
};

class HidrawBackend : public Backend {
public:
    explicit HidrawBackend(HidrawConfig config) : config_(std::move(config)) {
        if (!config_.openNode) {
            config_.openNode = OpenRealNode;
        }
    }

    bool Enumerate(std::vector<std::string>& paths) override {
        std::vector<HidrawNode> nodes;
        if (!ListHidrawNodes(config_.sysfsRoot, nodes)) {
            return false;
        }
        for (const HidrawNode& node : nodes) {
            const ParsedDescriptor parsed = ParseReportDescriptor(node.descriptor);
            const size_t count = parsed.collections.size();
            for (size_t i = 0; i < count; ++i) {
                paths.push_back(FormatHidrawPath(node.attributes, i, count, node.devNode));
            }
        }
        return true;
    }

    OpenStatus Open(const std::string& path, const OpenFlags& flags,
                    std::unique_ptr<Connection>& connection) override {
        connection.reset();
        std::optional<HidrawPath> where = ParseHidrawPath(path);
        if (!where) {
            return OpenStatus::kNotFound;
        }
        std::optional<HidrawNode> node = ReadHidrawNode(config_.sysfsRoot, where->nodeName);
        if (!node) {
            return OpenStatus::kNotFound;
        }
        ParsedDescriptor parsed = ParseReportDescriptor(node->descriptor);
        if (where->collection >= parsed.collections.size()) {
            return OpenStatus::kNotFound;
        }
        UniqueFd fd(config_.openNode(node->devNode, OpenFlagsFor(flags)));
        if (!fd.valid()) {
            return StatusOfErrno(-fd.get());
        }
        PreparsedData& preparsed = parsed.collections[where->collection];
        std::unique_ptr<HidrawReader::Subscription> input;
        if (flags.read) {
            std::shared_ptr<HidrawReader> reader = ReaderFor(fd.get(), preparsed.usesReportIds);
            if (!reader) {
                return OpenStatus::kIoError;
            }
            input = HidrawReader::Subscribe(reader, preparsed.of(ReportKind::kInput).reportIds);
        }
        const Attributes attributes = AttributesOf(fd.get(), node->attributes);
        connection = std::make_unique<HidrawConnection>(std::move(fd), attributes,
                                                        std::move(preparsed), std::move(input));
        return OpenStatus::kOk;
    }

private:
    // Readers are shared per open device, found by the identity of the file the descriptor
    // refers to, so a node name reused by a re-plugged device gets a fresh reader.
    using FileId = std::pair<dev_t, ino_t>;

    std::shared_ptr<HidrawReader> ReaderFor(int fd, bool usesReportIds) {
        struct stat info {};
        if (fstat(fd, &info) != 0) {
            return nullptr;
        }
        const FileId id{info.st_dev, info.st_ino};
        std::lock_guard lock(mutex_);
        std::erase_if(readers_, [](const auto& entry) { return entry.second.expired(); });
        if (std::shared_ptr<HidrawReader> shared = readers_[id].lock()) {
            return shared;
        }
        UniqueFd own(fcntl(fd, F_DUPFD_CLOEXEC, 0));
        if (!own.valid()) {
            return nullptr;
        }
        auto reader = std::make_shared<HidrawReader>(std::move(own), usesReportIds);
        readers_[id] = reader;
        return reader;
    }

    HidrawConfig config_;
    std::mutex mutex_;
    std::map<FileId, std::weak_ptr<HidrawReader>> readers_;
};

}  // namespace

void SetRealNodeOpenHook(std::function<void(const std::string& devNode)> hook) {
    std::lock_guard lock(HookMutex());
    RealNodeOpenHook() = std::move(hook);
}

std::shared_ptr<Backend> MakeHidrawBackend(HidrawConfig config) {
    return std::make_shared<HidrawBackend>(std::move(config));
}

}  // namespace platform::hid
