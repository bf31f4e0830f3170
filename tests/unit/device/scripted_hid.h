#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/device_report.h"
#include "platform/hid/hid_backend.h"

namespace device::testing {

// What the scripted device does with one written request.
enum class Reply {
    kAnswer,       // an answer with the step's status is ready for the next read
    kNoAnswer,     // nothing arrives
    kLateAnswer,   // nothing arrives in time; the answer is queued once the read has timed out
    kRefuseWrite,  // the write fails
};

struct ScriptStep {
    Reply reply = Reply::kAnswer;
    uint8_t status = 0;
};

// A device behind the fake backend: records every written report and answers from a script.
// Once the script is used up every request is answered with status 0. Reads never wait: what
// is queued is returned, otherwise the read times out at once.
class ScriptedDevice {
public:
    // Answer data byte i of a request addressing `address` is PatternByte(address + i), so tests
    // see where each chunk landed. Late answers carry kLateFill instead.
    static uint8_t PatternByte(size_t address) { return static_cast<uint8_t>(address * 7 + 3); }
    static constexpr uint8_t kLateFill = 0xEE;

    void Push(ScriptStep step, int times = 1);
    // Replaces the pattern answers (the status of the script step is applied afterwards).
    void AnswerWith(std::function<void(const DeviceReport& request, DeviceReport& answer)> fill);

    std::vector<DeviceReport> Written() const;
    size_t WriteCount() const;
    size_t StaleAnswersQueued() const;

    platform::hid::IoStatus OnWrite(std::span<const uint8_t> report);
    platform::hid::IoStatus OnRead(std::span<uint8_t> buffer, size_t& bytesRead);

private:
    DeviceReport AnswerFor(const DeviceReport& request, uint8_t status) const;

    mutable std::mutex mutex_;
    std::deque<ScriptStep> script_;
    std::function<void(const DeviceReport&, DeviceReport&)> fill_;
    std::vector<DeviceReport> written_;
    std::deque<DeviceReport> queued_;
    std::deque<DeviceReport> late_;
};

// One interface the fake backend offers.
struct ScriptedInterface {
    std::string path;
    platform::hid::Attributes attributes;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::shared_ptr<ScriptedDevice> device = std::make_shared<ScriptedDevice>();
};

// A backend over scripted interfaces that counts opens and live connections.
class ScriptedBackend : public platform::hid::Backend {
public:
    void Add(ScriptedInterface entry);
    // The paths opened so far, in order, with their flags.
    std::vector<std::pair<std::string, platform::hid::OpenFlags>> Opens() const;
    int LiveConnections() const;

    bool Enumerate(std::vector<std::string>& paths) override;
    platform::hid::OpenStatus Open(const std::string& path, const platform::hid::OpenFlags& flags,
                                   std::unique_ptr<platform::hid::Connection>& connection) override;

private:
    mutable std::mutex mutex_;
    std::vector<ScriptedInterface> entries_;
    std::vector<std::pair<std::string, platform::hid::OpenFlags>> opens_;
    std::shared_ptr<std::atomic<int>> live_ = std::make_shared<std::atomic<int>>(0);
};

inline constexpr const char* kScriptedMousePath = "hid#vid_260d&pid_1003&col02#scripted";

// A mouse link connected to a scripted device through a freshly installed scripted backend.
struct ScriptedMouse {
    ScriptedMouse();

    std::shared_ptr<ScriptedDevice> device = std::make_shared<ScriptedDevice>();
    std::shared_ptr<ScriptedBackend> backend = std::make_shared<ScriptedBackend>();
    DeviceLink link;
};

}  // namespace device::testing
