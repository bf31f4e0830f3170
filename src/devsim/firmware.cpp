#include "devsim/firmware.h"

#include <algorithm>

namespace devsim {
namespace {

struct AreaAccess {
    std::vector<uint8_t>* area = nullptr;
    bool write = false;
};

AreaAccess AreaForCommand(DeviceMemory& memory, uint8_t cmd) {
    switch (cmd) {
        case command::kReadParams:
            return {&memory.params, false};
        case command::kWriteParams:
            return {&memory.params, true};
        case command::kReadDefaultTable:
            return {&memory.defaultTable, false};
        case command::kReadKeyTable:
            return {&memory.keyTables, false};
        case command::kWriteKeyTable:
            return {&memory.keyTables, true};
        case command::kWriteMacroArea:
            return {&memory.macroArea, true};
        default:
            return {};
    }
}

uint8_t TransferArea(const AreaAccess& access, const Report& request, Report& answer) {
    const size_t length = request[kFrameLength];
    const size_t offset = FrameOffset(request);
    if (length == 0 || length > kFrameDataSize) {
        return status::kBadRequest;
    }
    std::vector<uint8_t>& area = *access.area;
    if (offset + length > area.size()) {
        return status::kOutOfRange;
    }
    const auto data = request.begin() + kFrameData;
    if (access.write) {
        std::copy_n(data, length, area.begin() + static_cast<ptrdiff_t>(offset));
    } else {
        std::copy_n(area.begin() + static_cast<ptrdiff_t>(offset), length,
                    answer.begin() + kFrameData);
    }
    return status::kOk;
}

uint8_t Execute(FirmwareState& state, const Report& request, Report& answer) {
    const uint8_t cmd = request[kFrameCommand];
    switch (cmd) {
        case command::kBeginSession:
            state.sessionOpen = true;
            return status::kOk;
        case command::kEndSession:
            state.sessionOpen = false;
            return status::kOk;
        case command::kReadDeviceInfo:
            std::copy(state.memory.info.begin(), state.memory.info.end(),
                      answer.begin() + kFrameData);
            return status::kOk;
        default:
            break;
    }
    const AreaAccess access = AreaForCommand(state.memory, cmd);
    return access.area ? TransferArea(access, request, answer) : status::kBadRequest;
}

}  // namespace

Report AnswerRequest(FirmwareState& state, const Report& request) {
    // The answer repeats the request's header; writes echo their data.
    Report answer = request;
    answer[kFrameStatus] = Execute(state, request, answer);
    StoreChecksum(answer);
    return answer;
}

bool ChecksumMatches(const Report& request) {
    const uint16_t stored =
        static_cast<uint16_t>(request[kFrameChecksum] | request[kFrameChecksum + 1] << 8);
    return stored == ReportChecksum(request);
}

}  // namespace devsim
