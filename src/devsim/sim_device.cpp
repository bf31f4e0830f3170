#include "devsim/sim_device.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "devsim/report_descriptors.h"
#include "platform/sys/clock.h"
#include "platform/sys/debug_output.h"

namespace devsim {
namespace {

using platform::hid::IoStatus;

std::vector<platform::hid::PreparsedData> ParseCollections(const DeviceModel& model) {
    platform::hid::ParsedDescriptor parsed =
        platform::hid::ParseReportDescriptor(model.reportDescriptor());
    if (!parsed.ok()) {
        throw std::logic_error("devsim: report descriptor does not parse");
    }
    return std::move(parsed.collections);
}

ExchangeRecord RecordOf(const Report& request) {
    ExchangeRecord record;
    record.command = request[kFrameCommand];
    record.offset = FrameOffset(request);
    record.length = request[kFrameLength];
    const size_t dataLength = std::min<size_t>(record.length, kFrameDataSize);
    record.data.assign(request.begin() + kFrameData, request.begin() + kFrameData + dataLength);
    record.request = request;
    record.checksumOk = ChecksumMatches(request);
    return record;
}

void LogChecksumMismatch(const DeviceModel& model, const ExchangeRecord& record) {
    char line[96];
    std::snprintf(line, sizeof line, "devsim %.*s: checksum mismatch, command %u offset %u",
                  static_cast<int>(model.name.size()), model.name.data(), record.command,
                  record.offset);
    platform::sys::OutputDebugString(line);
}

}  // namespace

SimDevice::SimDevice(DeviceKind kind)
    : model_(ModelOf(kind)),
      collections_(ParseCollections(model_)),
      state_{model_.factoryMemory()},
      productId_(model_.productIds.front()) {}

Identity SimDevice::identity() const {
    std::lock_guard lock(mutex_);
    return {model_.vendorId, productId_};
}

bool SimDevice::plugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

void SimDevice::Plug(uint16_t productId) {
    std::lock_guard lock(mutex_);
    if (productId == 0) {
        productId = productId_;
    }
    if (!HasProductId(model_, productId)) {
        throw std::invalid_argument("devsim: product id not of this device");
    }
    if (plugged_ && productId == productId_) {
        return;
    }
    UnplugLocked();
    productId_ = productId;
    plugged_ = true;
}

void SimDevice::Unplug() {
    std::lock_guard lock(mutex_);
    UnplugLocked();
}

void SimDevice::UnplugLocked() {
    plugged_ = false;
    state_.sessionOpen = false;
    for (const Attached& attached : attached_) {
        if (auto queue = attached.queue.lock()) {
            queue->Disconnect();
        }
    }
    attached_.clear();
}

DeviceMemory SimDevice::memory() const {
    std::lock_guard lock(mutex_);
    return state_.memory;
}

void SimDevice::EditMemory(const std::function<void(DeviceMemory&)>& edit) {
    std::lock_guard lock(mutex_);
    edit(state_.memory);
}

void SimDevice::RestoreFactoryMemory() {
    std::lock_guard lock(mutex_);
    state_.memory = model_.factoryMemory();
}

void SimDevice::ForceActiveRecord(uint8_t value) {
    std::lock_guard lock(mutex_);
    state_.memory.params[kParamActiveRecord] = value;
}

bool SimDevice::sessionOpen() const {
    std::lock_guard lock(mutex_);
    return state_.sessionOpen;
}

void SimDevice::AddFault(const Fault& fault) {
    std::lock_guard lock(mutex_);
    faults_.push_back(fault);
}

void SimDevice::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::vector<ExchangeRecord> SimDevice::log() const {
    std::lock_guard lock(mutex_);
    return {log_.begin(), log_.end()};
}

void SimDevice::LogLocked(ExchangeRecord record) {
    if (log_.size() == kLogCapacity) {
        log_.pop_front();
    }
    log_.push_back(std::move(record));
}

void SimDevice::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

bool SimDevice::ChangeParamsOnDevice(uint16_t offset, std::span<const uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    std::vector<uint8_t>& params = state_.memory.params;
    if (!plugged_ || offset + bytes.size() > params.size()) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), params.begin() + offset);
    SendNoticeLocked(kNoticeParamsChanged);
    return true;
}

bool SimDevice::SwitchRecordOnDevice(uint8_t record) {
    std::lock_guard lock(mutex_);
    if (!plugged_) {
        return false;
    }
    state_.memory.params[kParamActiveRecord] = record;
    SendNoticeLocked(kNoticeReloadAll);
    return true;
}

bool SimDevice::PressKeyOnDevice() {
    return SendNotice(kNoticeKeyPressed);
}

bool SimDevice::SendNotice(uint16_t usage) {
    std::lock_guard lock(mutex_);
    return SendNoticeLocked(usage);
}

bool SimDevice::SendNoticeLocked(uint16_t usage) {
    if (!plugged_ || collections_.size() <= kConsumerCollection) {
        return false;
    }
    const uint64_t now = platform::sys::GetTickCount64();
    const uint8_t press[kConsumerReportSize] = {
        kConsumerReportId, static_cast<uint8_t>(usage & 0xFF), static_cast<uint8_t>(usage >> 8)};
    const uint8_t release[kConsumerReportSize] = {kConsumerReportId, 0, 0};
    DeliverLocked(kConsumerCollection, press, now);
    DeliverLocked(kConsumerCollection, release, now);
    return true;
}

std::shared_ptr<InputQueue> SimDevice::Attach(size_t collection, const Identity& expected,
                                              bool receivesInput) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || expected != Identity{model_.vendorId, productId_} ||
        collection >= collections_.size()) {
        return nullptr;
    }
    std::erase_if(attached_, [](const Attached& attached) { return attached.queue.expired(); });
    auto queue = std::make_shared<InputQueue>();
    attached_.push_back({collection, receivesInput, queue});
    return queue;
}

void SimDevice::DeliverLocked(size_t collection, std::span<const uint8_t> report,
                              uint64_t readyAt) {
    for (const Attached& attached : attached_) {
        if (attached.collection != collection || !attached.receivesInput) {
            continue;
        }
        if (auto queue = attached.queue.lock()) {
            queue->Push(report, readyAt);
        }
    }
}

IoStatus SimDevice::Receive(const InputQueue& from, std::span<const uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (from.disconnected()) {
        return IoStatus::kDisconnected;
    }
    Report request{};
    std::copy_n(report.begin(), std::min(report.size(), request.size()), request.begin());
    const std::optional<Fault> fault =
        TakeFault(faults_, request[kFrameCommand], FrameOffset(request));
    if (fault && fault->kind == FaultKind::kWriteFails) {
        return IoStatus::kIoError;
    }
    ExchangeRecord record = RecordOf(request);
    if (!record.checksumOk) {
        LogChecksumMismatch(model_, record);
    }
    if (fault && fault->kind == FaultKind::kNoAnswer) {
        LogLocked(std::move(record));
        return IoStatus::kOk;
    }
    Report answer;
    if (fault && fault->kind == FaultKind::kStatus) {
        answer = request;
        answer[kFrameStatus] = fault->answerStatus;
        StoreChecksum(answer);
    } else {
        answer = AnswerRequest(state_, request);
    }
    record.answerStatus = answer[kFrameStatus];
    LogLocked(std::move(record));
    const uint32_t delayMs = fault && fault->kind == FaultKind::kLateAnswer ? fault->delayMs : 0;
    DeliverLocked(kVendorCollection, answer, platform::sys::GetTickCount64() + delayMs);
    return IoStatus::kOk;
}

}  // namespace devsim
