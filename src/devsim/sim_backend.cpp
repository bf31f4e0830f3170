#include "devsim/sim_backend.h"

#include <algorithm>

#include "devsim/sim_path.h"

namespace devsim {
namespace {

using platform::hid::Attributes;
using platform::hid::IoStatus;
using platform::hid::OpenFlags;
using platform::hid::OpenStatus;
using platform::hid::PreparsedData;
using platform::hid::ReportKind;

bool HasReportId(const platform::hid::ReportCaps& caps, uint8_t reportId) {
    return std::binary_search(caps.reportIds.begin(), caps.reportIds.end(), reportId);
}

// One open collection. The connection keeps its device alive; after the device is unplugged
// its queue stays disconnected, also across a replug, like a stale handle.
class SimConnection : public platform::hid::Connection {
public:
    SimConnection(std::shared_ptr<SimDevice> device, size_t collection, const OpenFlags& flags,
                  const Attributes& attributes, std::shared_ptr<InputQueue> queue)
        : device_(std::move(device)),
          preparsed_(device_->collections()[collection]),
          flags_(flags),
          attributes_(attributes),
          queue_(std::move(queue)) {}

    const Attributes& attributes() const override { return attributes_; }
    const PreparsedData& preparsed() const override { return preparsed_; }

    IoStatus Write(std::span<const uint8_t> report, uint32_t /*timeoutMs*/,
                   platform::sys::Event& /*abort*/) override {
        // The firmware takes a request at once, so a write never waits.
        const auto& output = preparsed_.of(ReportKind::kOutput);
        if (!flags_.write || output.byteLength == 0 || report.size() != output.byteLength ||
            !HasReportId(output, report[0])) {
            return queue_->disconnected() ? IoStatus::kDisconnected : IoStatus::kIoError;
        }
        return device_->Receive(*queue_, report);
    }

    IoStatus Read(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t timeoutMs,
                  platform::sys::Event& abort) override {
        bytesRead = 0;
        const auto& input = preparsed_.of(ReportKind::kInput);
        if (!flags_.read || input.byteLength == 0 || buffer.size() < input.byteLength) {
            return queue_->disconnected() ? IoStatus::kDisconnected : IoStatus::kIoError;
        }
        return queue_->Pop(buffer, bytesRead, timeoutMs, abort);
    }

private:
    const std::shared_ptr<SimDevice> device_;
    const PreparsedData& preparsed_;
    const OpenFlags flags_;
    const Attributes attributes_;
    const std::shared_ptr<InputQueue> queue_;
};

}  // namespace

SimBackend::SimBackend(std::vector<std::shared_ptr<SimDevice>> devices)
    : devices_(std::move(devices)) {}

bool SimBackend::Enumerate(std::vector<std::string>& paths) {
    paths.clear();
    for (const auto& device : devices_) {
        if (!device->plugged()) {
            continue;
        }
        const Identity identity = device->identity();
        for (size_t collection = 0; collection < device->collections().size(); ++collection) {
            paths.push_back(
                FormatSimPath({identity, collection, std::string(device->model().name)}));
        }
    }
    return true;
}

OpenStatus SimBackend::Open(const std::string& path, const OpenFlags& flags,
                            std::unique_ptr<platform::hid::Connection>& connection) {
    connection.reset();
    const std::optional<SimPath> parsed = ParseSimPath(path);
    if (!parsed) {
        return OpenStatus::kNotFound;
    }
    auto device = std::find_if(devices_.begin(), devices_.end(), [&](const auto& candidate) {
        return candidate->model().name == parsed->deviceName;
    });
    if (device == devices_.end()) {
        return OpenStatus::kNotFound;
    }
    auto queue = (*device)->Attach(parsed->collection, parsed->identity, flags.read);
    if (!queue) {
        return OpenStatus::kNotFound;
    }
    const Attributes attributes{parsed->identity.vendorId, parsed->identity.productId,
                                (*device)->model().versionNumber};
    connection = std::make_unique<SimConnection>(*device, parsed->collection, flags, attributes,
                                                 std::move(queue));
    return OpenStatus::kOk;
}

}  // namespace devsim
