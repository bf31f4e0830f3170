#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "devsim/protocol.h"

namespace devsim {

enum class FaultKind {
    kNoAnswer,    // the request is lost: nothing happens on the device, nothing comes back
    kLateAnswer,  // carried out, answered after `delayMs`
    kStatus,      // refused with `answerStatus`; memory stays untouched
    kWriteFails,  // the write itself fails (kIoError); the firmware never sees the request
};

inline constexpr int kEveryTime = -1;

// One injected fault, matched against each request by command and device offset (either left
// empty matches anything). Built with the named constructors and narrowed by the modifiers:
//   Fault::Status(255).OnCommand(command::kReadKeyTable).AtOffset(238).Times(1)
struct Fault {
    FaultKind kind = FaultKind::kNoAnswer;
    std::optional<uint8_t> command;
    std::optional<uint16_t> offset;
    uint32_t delayMs = 0;
    uint8_t answerStatus = status::kBadRequest;
    int remaining = kEveryTime;  // matching requests it still hits

    static Fault NoAnswer();
    static Fault LateAnswer(uint32_t ms);
    static Fault Status(uint8_t answerStatus);
    static Fault WriteFails();
    Fault OnCommand(uint8_t value) const;
    Fault AtOffset(uint16_t value) const;
    Fault Times(int count) const;

    bool Matches(uint8_t requestCommand, uint16_t requestOffset) const;
};

// The first fault that matches the request, used up once (and dropped when spent).
std::optional<Fault> TakeFault(std::vector<Fault>& faults, uint8_t requestCommand,
                               uint16_t requestOffset);

}  // namespace devsim
