#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "devsim/device_kind.h"
#include "devsim/exchange_log.h"
#include "devsim/faults.h"
#include "devsim/firmware.h"
#include "devsim/input_queue.h"
#include "platform/hid/hid_backend.h"
#include "platform/hid/report_descriptor.h"

namespace devsim {

// Consumer usages by which a device says that its settings changed on the device itself.
inline constexpr uint16_t kNoticeParamsChanged = 0x0401;  // host re-reads the parameters
inline constexpr uint16_t kNoticeReloadAll = 0x0402;      // host reads the device in full
inline constexpr uint16_t kNoticeKeyPressed = 0x0403;     // a key was pressed (mouse)

// One simulated device: its firmware and memory, its plug state and identity, injected faults
// and the log of the requests it received. Memory survives unplugging, like the device's own.
// Every operation is thread-safe.
class SimDevice {
public:
    explicit SimDevice(DeviceKind kind);
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    DeviceKind kind() const { return model_.kind; }
    const DeviceModel& model() const { return model_; }
    Identity identity() const;
    bool plugged() const;
    // Plugs the device in as `productId` (0: as the last identity). Plugging in as another
    // identity while plugged is an unplug followed by a plug. Throws std::invalid_argument for a
    // product id the model does not have.
    void Plug(uint16_t productId = 0);
    // Ends every open connection: pending and later I/O on it returns kDisconnected.
    void Unplug();

    DeviceMemory memory() const;
    void EditMemory(const std::function<void(DeviceMemory&)>& edit);
    void RestoreFactoryMemory();
    // Writes the active-record byte as is, also values above 4 that no record has.
    void ForceActiveRecord(uint8_t value);
    bool sessionOpen() const;

    void AddFault(const Fault& fault);
    void ClearFaults();

    // The latest kLogCapacity requests, oldest first: a long simulated session stays bounded.
    static constexpr size_t kLogCapacity = 4096;
    std::vector<ExchangeRecord> log() const;
    void ClearLog();

    // Changes made on the device itself. Each needs the device plugged in (false otherwise,
    // nothing changes) and reports itself on the consumer-control collection when the device
    // has one: parameter bytes (0x0401), switching the active record (0x0402), a key press
    // (0x0403). `SendNotice` sends any usage, followed by its release.
    bool ChangeParamsOnDevice(uint16_t offset, std::span<const uint8_t> bytes);
    bool SwitchRecordOnDevice(uint8_t record);
    bool PressKeyOnDevice();
    bool SendNotice(uint16_t usage);

    // Transport, for the sim backend.
    const std::vector<platform::hid::PreparsedData>& collections() const { return collections_; }
    // A new input queue for a connection opened on `collection` while the device is plugged in
    // as `expected`; null otherwise. Only connections that read get input reports.
    std::shared_ptr<InputQueue> Attach(size_t collection, const Identity& expected,
                                       bool receivesInput);
    // A request written on the vendor collection through the connection owning `from`.
    platform::hid::IoStatus Receive(const InputQueue& from, std::span<const uint8_t> report);

private:
    struct Attached {
        size_t collection;
        bool receivesInput;
        std::weak_ptr<InputQueue> queue;
    };

    void UnplugLocked();
    void LogLocked(ExchangeRecord record);
    void DeliverLocked(size_t collection, std::span<const uint8_t> report, uint64_t readyAt);
    bool SendNoticeLocked(uint16_t usage);

    const DeviceModel& model_;
    const std::vector<platform::hid::PreparsedData> collections_;
    mutable std::mutex mutex_;
    FirmwareState state_;
    uint16_t productId_;
    bool plugged_ = false;
    std::vector<Fault> faults_;
    std::deque<ExchangeRecord> log_;
    std::vector<Attached> attached_;
};

}  // namespace devsim
