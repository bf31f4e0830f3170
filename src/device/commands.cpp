#include "device/commands.h"

#include <algorithm>

#include "device/device_report.h"
#include "device/exchange.h"
#include "device/result_codes.h"
#include "platform/sys/clock.h"

namespace device {
namespace {

// Seals the request, runs the exchange and turns the answer's status into the result.
int Transact(DeviceLink& link, DeviceReport& request, DeviceReport& answer) {
    SealRequest(request);
    const int result = Exchange(link, request, answer);
    return result == kResultSuccess ? StatusResult(answer) : result;
}

int SendBare(DeviceLink& link, Command command) {
    DeviceReport request = MakeRequest(command);
    DeviceReport answer;
    return Transact(link, request, answer);
}

// Moves `total` bytes in chunks of at most one report's data, into `readInto` or from
// `writeFrom` (the other one empty). The request is zero-filled once for the whole command, so
// a short last chunk of a write still carries the previous chunk's tail after its own data;
// the firmware reads only `length` bytes and the checksum covers what is sent.
int TransferChunked(DeviceLink& link, Command command, uint16_t base, size_t total,
                    std::span<uint8_t> readInto, std::span<const uint8_t> writeFrom) {
    DeviceReport request = MakeRequest(command);
    DeviceReport answer;
    for (size_t chunk = 0; chunk < total; chunk += kReportDataSize) {
        const size_t length = std::min(kReportDataSize, total - chunk);
        SetTransfer(request, static_cast<uint8_t>(length), static_cast<uint16_t>(base + chunk));
        if (!writeFrom.empty()) {
            std::ranges::copy(writeFrom.subspan(chunk, length), request.data().begin());
        }
        const int result = Transact(link, request, answer);
        if (result != kResultSuccess) {
            return result;
        }
        if (!readInto.empty()) {
            std::ranges::copy(answer.data().first(length), readInto.begin() + chunk);
        }
    }
    return kResultSuccess;
}

// What a key-table transfer needs before anything may be sent.
int CheckKeyTableArguments(const DeviceLink& link, size_t bufferSize, unsigned index) {
    if (index > kLastKeyTableIndex) {
        return kResultBadTableIndex;
    }
    return bufferSize < link.length ? kResultWriteFailed : kResultSuccess;
}

uint16_t KeyTableBase(unsigned index) {
    return static_cast<uint16_t>(index * kKeyTableStride);
}

}  // namespace

int BeginSession(DeviceLink& link) {
    return SendBare(link, Command::kBeginSession);
}

int EndSession(DeviceLink& link) {
    platform::sys::Sleep(kEndSessionPauseMs);
    return SendBare(link, Command::kEndSession);
}

int ReadDeviceInfo(DeviceLink& link, std::span<uint8_t, kDeviceInfoSize> info) {
    DeviceReport request = MakeRequest(Command::kReadDeviceInfo);
    SetTransfer(request, kDeviceInfoSize, 0);
    DeviceReport answer;
    const int result = Transact(link, request, answer);
    if (result == kResultSuccess) {
        std::ranges::copy(answer.data().first<kDeviceInfoSize>(), info.begin());
    }
    return result;
}

int ReadParams(DeviceLink& link, uint16_t offset, std::span<uint8_t> out) {
    if (out.size() > kReportDataSize) {
        return kResultWriteFailed;
    }
    DeviceReport request = MakeRequest(Command::kReadParams);
    SetTransfer(request, static_cast<uint8_t>(out.size()), offset);
    DeviceReport answer;
    const int result = Transact(link, request, answer);
    if (result == kResultSuccess) {
        std::ranges::copy(answer.data().first(out.size()), out.begin());
    }
    return result;
}

int WriteParams(DeviceLink& link, uint16_t offset, std::span<const uint8_t> data) {
    if (data.size() > kReportDataSize) {
        return kResultWriteFailed;
    }
    DeviceReport request = MakeRequest(Command::kWriteParams);
    SetTransfer(request, static_cast<uint8_t>(data.size()), offset);
    std::ranges::copy(data, request.data().begin());
    DeviceReport answer;
    return Transact(link, request, answer);
}

int ReadDefaultTable(DeviceLink& link, std::span<uint8_t> out) {
    const size_t total = link.length;
    if (out.size() < total) {
        return kResultWriteFailed;
    }
    return TransferChunked(link, Command::kReadDefaultTable, 0, total, out, {});
}

int ReadKeyTable(DeviceLink& link, std::span<uint8_t> out, unsigned index) {
    const int check = CheckKeyTableArguments(link, out.size(), index);
    if (check != kResultSuccess) {
        return check;
    }
    return TransferChunked(link, Command::kReadKeyTable, KeyTableBase(index), link.length, out, {});
}

int WriteKeyTable(DeviceLink& link, std::span<const uint8_t> data, unsigned index) {
    const int check = CheckKeyTableArguments(link, data.size(), index);
    if (check != kResultSuccess) {
        return check;
    }
    return TransferChunked(link, Command::kWriteKeyTable, KeyTableBase(index), link.length, {},
                           data);
}

int WriteMacroArea(DeviceLink& link, std::span<const uint8_t> data) {
    return TransferChunked(link, Command::kWriteMacroArea, 0, data.size(), {}, data);
}

}  // namespace device
