#include "sim_client.h"

#include <algorithm>

#include "platform/sys/event.h"

namespace devsim::testing {

Report MakeRequest(uint8_t cmd, uint8_t length, uint16_t offset, std::span<const uint8_t> data) {
    Report request{};
    request[kFrameReportId] = kVendorReportId;
    request[kFrameCommand] = cmd;
    request[kFrameLength] = length;
    SetFrameOffset(request, offset);
    std::copy(data.begin(), data.end(), request.begin() + kFrameData);
    StoreChecksum(request);
    return request;
}

std::optional<Report> Transact(platform::hid::Connection& connection, const Report& request,
                               uint32_t timeoutMs) {
    platform::sys::Event abort(platform::sys::ResetMode::kAuto);
    if (connection.Write(request, 1000, abort) != platform::hid::IoStatus::kOk) {
        return std::nullopt;
    }
    Report answer{};
    size_t bytesRead = 0;
    if (connection.Read(answer, bytesRead, timeoutMs, abort) != platform::hid::IoStatus::kOk) {
        return std::nullopt;
    }
    return answer;
}

namespace {

template <typename Move>
ChunkResult Chunked(size_t total, Move move) {
    for (size_t offset = 0; offset < total; offset += kFrameDataSize) {
        const size_t length = std::min(kFrameDataSize, total - offset);
        const std::optional<Report> answer = move(offset, length);
        if (!answer) {
            return {0, false};
        }
        if ((*answer)[kFrameStatus] >= status::kOutOfRange) {
            return {(*answer)[kFrameStatus], true};
        }
    }
    return {};
}

}  // namespace

ChunkResult ChunkedRead(platform::hid::Connection& connection, uint8_t cmd, uint16_t base,
                        std::span<uint8_t> buffer) {
    return Chunked(buffer.size(), [&](size_t offset, size_t length) {
        auto answer = Transact(connection, MakeRequest(cmd, static_cast<uint8_t>(length),
                                                       static_cast<uint16_t>(base + offset)));
        if (answer && (*answer)[kFrameStatus] < status::kOutOfRange) {
            std::copy_n(answer->begin() + kFrameData, length, buffer.begin() + offset);
        }
        return answer;
    });
}

ChunkResult ChunkedWrite(platform::hid::Connection& connection, uint8_t cmd, uint16_t base,
                         std::span<const uint8_t> data) {
    return Chunked(data.size(), [&](size_t offset, size_t length) {
        return Transact(connection, MakeRequest(cmd, static_cast<uint8_t>(length),
                                                static_cast<uint16_t>(base + offset),
                                                data.subspan(offset, length)));
    });
}

}  // namespace devsim::testing
