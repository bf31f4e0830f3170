#include "fake_hidraw.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace platform::hid::testing {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

}  // namespace

void FakeHidraw::AddNode(int number, const std::string& hidId,
                         const std::vector<uint8_t>& descriptor) {
    const fs::path device =
        fs::path(root()) / "class" / "hidraw" / ("hidraw" + std::to_string(number)) / "device";
    fs::create_directories(device);
    WriteFile(device / "uevent", "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=Fake\n");
    WriteFile(device / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        throw std::runtime_error("socketpair failed");
    }
    host_[number] = UniqueFd(ends[0]);
    device_[number] = UniqueFd(ends[1]);
}

HidrawConfig FakeHidraw::config() {
    HidrawConfig config;
    config.sysfsRoot = root();
    config.openNode = [this](const std::string& devNode, int flags) {
        ++opens_;
        const int number = std::stoi(devNode.substr(devNode.find("hidraw") + 6));
        if (denied_.count(number)) {
            return -EACCES;
        }
        auto host = host_.find(number);
        if (host == host_.end()) {
            return -ENOENT;
        }
        // Every open refers to the same node, as opening /dev/hidrawN twice does.
        const int fd = fcntl(host->second.get(), F_DUPFD_CLOEXEC, 0);
        fcntl(fd, F_SETFL, flags & O_NONBLOCK);
        return fd;
    };
    return config;
}

void FakeHidraw::Send(int number, const std::vector<uint8_t>& report) const {
    if (send(device(number), report.data(), report.size(), 0) !=
        static_cast<ssize_t>(report.size())) {
        throw std::runtime_error("send failed");
    }
}

std::vector<uint8_t> FakeHidraw::Receive(int number, int timeoutMs) const {
    pollfd p{device(number), POLLIN, 0};
    if (poll(&p, 1, timeoutMs) != 1) {
        return {};
    }
    std::vector<uint8_t> report(4096);
    const ssize_t got = recv(device(number), report.data(), report.size(), 0);
    report.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return report;
}

}  // namespace platform::hid::testing
