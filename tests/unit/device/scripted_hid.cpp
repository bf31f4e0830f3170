#include "scripted_hid.h"

#include <algorithm>

#include "platform/hid/hid_interface.h"
#include "platform/hid/report_descriptor.h"

namespace device::testing {

using platform::hid::IoStatus;

void ScriptedDevice::Push(ScriptStep step, int times) {
    std::lock_guard guard(mutex_);
    script_.insert(script_.end(), static_cast<size_t>(times), step);
}

void ScriptedDevice::AnswerWith(
    std::function<void(const DeviceReport& request, DeviceReport& answer)> fill) {
    std::lock_guard guard(mutex_);
    fill_ = std::move(fill);
}

std::vector<DeviceReport> ScriptedDevice::Written() const {
    std::lock_guard guard(mutex_);
    return written_;
}

size_t ScriptedDevice::WriteCount() const {
    std::lock_guard guard(mutex_);
    return written_.size();
}

size_t ScriptedDevice::StaleAnswersQueued() const {
    std::lock_guard guard(mutex_);
    return queued_.size();
}

DeviceReport ScriptedDevice::AnswerFor(const DeviceReport& request, uint8_t status) const {
    DeviceReport answer;
    std::copy_n(request.bytes.begin(), report_offset::kData, answer.bytes.begin());
    if (fill_) {
        fill_(request, answer);
    } else {
        const size_t address = request.bytes[report_offset::kAddress] |
                               (request.bytes[report_offset::kAddress + 1] << 8);
        for (size_t i = 0; i < kReportDataSize; ++i) {
            answer.data()[i] = PatternByte(address + i);
        }
    }
    answer.bytes[report_offset::kStatus] = status;
    return answer;
}

IoStatus ScriptedDevice::OnWrite(std::span<const uint8_t> report) {
    std::lock_guard guard(mutex_);
    DeviceReport request;
    std::copy_n(report.begin(), std::min(report.size(), kReportSize), request.bytes.begin());
    const ScriptStep step = script_.empty() ? ScriptStep{} : script_.front();
    if (!script_.empty()) {
        script_.pop_front();
    }
    if (step.reply == Reply::kRefuseWrite) {
        return IoStatus::kIoError;
    }
    written_.push_back(request);
    if (step.reply == Reply::kAnswer) {
        queued_.push_back(AnswerFor(request, step.status));
    } else if (step.reply == Reply::kLateAnswer) {
        DeviceReport late = AnswerFor(request, step.status);
        std::ranges::fill(late.data(), kLateFill);
        late_.push_back(late);
    }
    return IoStatus::kOk;
}

IoStatus ScriptedDevice::OnRead(std::span<uint8_t> buffer, size_t& bytesRead) {
    std::lock_guard guard(mutex_);
    bytesRead = 0;
    if (queued_.empty()) {
        // The answer of a timed-out request shows up only after its reader has given up.
        queued_.insert(queued_.end(), late_.begin(), late_.end());
        late_.clear();
        return IoStatus::kTimeout;
    }
    const DeviceReport& answer = queued_.front();
    bytesRead = std::min(buffer.size(), kReportSize);
    std::copy_n(answer.bytes.begin(), bytesRead, buffer.begin());
    queued_.pop_front();
    return IoStatus::kOk;
}

namespace {

class ScriptedConnection : public platform::hid::Connection {
public:
    ScriptedConnection(const ScriptedInterface& entry, std::shared_ptr<std::atomic<int>> live)
        : attributes_(entry.attributes), device_(entry.device), live_(std::move(live)) {
        preparsed_.usagePage = entry.usagePage;
        preparsed_.usage = entry.usage;
        preparsed_.usesReportIds = true;
        auto& input = preparsed_.of(platform::hid::ReportKind::kInput);
        input.byteLength = kReportSize;
        input.reportIds = {kReportId};
        auto& output = preparsed_.of(platform::hid::ReportKind::kOutput);
        output.byteLength = kReportSize;
        output.reportIds = {kReportId};
        ++*live_;
    }
    ~ScriptedConnection() override { --*live_; }

    const platform::hid::Attributes& attributes() const override { return attributes_; }
    const platform::hid::PreparsedData& preparsed() const override { return preparsed_; }
    IoStatus Write(std::span<const uint8_t> report, uint32_t, platform::sys::Event&) override {
        return device_->OnWrite(report);
    }
    IoStatus Read(std::span<uint8_t> buffer, size_t& bytesRead, uint32_t,
                  platform::sys::Event&) override {
        return device_->OnRead(buffer, bytesRead);
    }

private:
    platform::hid::Attributes attributes_;
    platform::hid::PreparsedData preparsed_;
    std::shared_ptr<ScriptedDevice> device_;
    std::shared_ptr<std::atomic<int>> live_;
};

}  // namespace

void ScriptedBackend::Add(ScriptedInterface entry) {
    std::lock_guard guard(mutex_);
    entries_.push_back(std::move(entry));
}

std::vector<std::pair<std::string, platform::hid::OpenFlags>> ScriptedBackend::Opens() const {
    std::lock_guard guard(mutex_);
    return opens_;
}

int ScriptedBackend::LiveConnections() const {
    return *live_;
}

bool ScriptedBackend::Enumerate(std::vector<std::string>& paths) {
    std::lock_guard guard(mutex_);
    paths.clear();
    for (const auto& entry : entries_) {
        paths.push_back(entry.path);
    }
    return true;
}

platform::hid::OpenStatus ScriptedBackend::Open(
    const std::string& path, const platform::hid::OpenFlags& flags,
    std::unique_ptr<platform::hid::Connection>& connection) {
    std::lock_guard guard(mutex_);
    opens_.emplace_back(path, flags);
    const auto entry = std::ranges::find(entries_, path, &ScriptedInterface::path);
    if (entry == entries_.end()) {
        return platform::hid::OpenStatus::kNotFound;
    }
    connection = std::make_unique<ScriptedConnection>(*entry, live_);
    return platform::hid::OpenStatus::kOk;
}

}  // namespace device::testing

namespace device::testing {

ScriptedMouse::ScriptedMouse() {
    backend->Add({kScriptedMousePath,
                  {kMouseIdentity.vendorId, kMouseIdentity.productId, 1},
                  kVendorUsagePage,
                  kVendorUsage,
                  device});
    platform::hid::SetBackend(backend);
    AssignIdentity(link, kMouseIdentity);
    link.hid.path = kScriptedMousePath;
    link.hid.wantRead = true;
    link.hid.wantWrite = true;
    link.hid.overlapped = true;
    link.connected = platform::hid::OpenHidInterface(link.hid) == 1;
}

}  // namespace device::testing
