// Feeds arbitrary device answers (and missing answers) through the command handling.
// Input: command selector, offset (2 bytes), count; then records of a reply kind byte and a
// 64-byte answer. The closing command shares the opening command's path and its pause would
// only slow the fuzzer down, so it is left out.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>

#include "device/commands.h"
#include "device/result_codes.h"
#include "scripted_hid.h"

namespace {

using device::DeviceReport;
using device::testing::Reply;
using device::testing::ScriptedMouse;

constexpr size_t kAnswerRecord = 1 + device::kReportSize;  // reply kind, answer bytes

int RunCommand(device::DeviceLink& link, uint8_t selector, std::span<uint8_t> buffer,
               uint16_t offset, size_t count) {
    switch (selector % 8) {
        case 0:
            return device::BeginSession(link);
        case 1:
            return device::ReadDeviceInfo(link, buffer.first<device::kDeviceInfoSize>());
        case 2:
            return device::ReadParams(link, offset, buffer.first(count % 57));
        case 3:
            return device::WriteParams(link, offset, buffer.first(count % 57));
        case 4:
            return device::ReadDefaultTable(link, buffer);
        case 5:
            return device::ReadKeyTable(link, buffer, selector / 8 % 6);
        case 6:
            return device::WriteKeyTable(link, buffer, selector / 8 % 6);
        default:
            return device::WriteMacroArea(link, buffer.first(count));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) {
        return 0;
    }
    const uint8_t selector = data[0];
    const uint16_t offset = static_cast<uint16_t>(data[1] | (data[2] << 8));
    const size_t count = data[3] * 2u;  // up to 510, within the link's 512 bytes

    ScriptedMouse mouse;
    auto answers = std::make_shared<std::deque<DeviceReport>>();
    for (size_t at = 4; at + kAnswerRecord <= size; at += kAnswerRecord) {
        const Reply reply = static_cast<Reply>(data[at] % 4);
        mouse.device->Push({reply, data[at + 1 + device::report_offset::kStatus]});
        DeviceReport answer;
        std::copy_n(data + at + 1, device::kReportSize, answer.bytes.begin());
        answers->push_back(answer);
    }
    mouse.device->AnswerWith([answers](const DeviceReport&, DeviceReport& answer) {
        if (!answers->empty()) {
            answer = answers->front();
            answers->pop_front();
        }
    });

    std::array<uint8_t, device::kDefaultTransferLength> buffer{};
    const int result = RunCommand(mouse.link, selector, buffer, offset, count);
    switch (result) {
        case device::kResultSuccess:
        case device::kResultNoAnswer:
        case device::kResultWriteFailed:
        case device::kResultStatus255:
        case device::kResultStatus254:
        case device::kResultBadTableIndex:
            break;
        default:
            std::abort();
    }
    // Ten chunks of four attempts each at most.
    if (mouse.device->WriteCount() > 40) {
        std::abort();
    }
    return 0;
}
