#include "devsim/faults.h"

#include <algorithm>

namespace devsim {

Fault Fault::NoAnswer() {
    return Fault{};
}

Fault Fault::LateAnswer(uint32_t ms) {
    Fault fault;
    fault.kind = FaultKind::kLateAnswer;
    fault.delayMs = ms;
    return fault;
}

Fault Fault::Status(uint8_t answerStatus) {
    Fault fault;
    fault.kind = FaultKind::kStatus;
    fault.answerStatus = answerStatus;
    return fault;
}

Fault Fault::WriteFails() {
    Fault fault;
    fault.kind = FaultKind::kWriteFails;
    return fault;
}

Fault Fault::OnCommand(uint8_t value) const {
    Fault fault = *this;
    fault.command = value;
    return fault;
}

Fault Fault::AtOffset(uint16_t value) const {
    Fault fault = *this;
    fault.offset = value;
    return fault;
}

Fault Fault::Times(int count) const {
    Fault fault = *this;
    fault.remaining = count;
    return fault;
}

bool Fault::Matches(uint8_t requestCommand, uint16_t requestOffset) const {
    return remaining != 0 && (!command || *command == requestCommand) &&
           (!offset || *offset == requestOffset);
}

std::optional<Fault> TakeFault(std::vector<Fault>& faults, uint8_t requestCommand,
                               uint16_t requestOffset) {
    auto found = std::find_if(faults.begin(), faults.end(), [&](const Fault& fault) {
        return fault.Matches(requestCommand, requestOffset);
    });
    if (found == faults.end()) {
        return std::nullopt;
    }
    const Fault taken = *found;
    if (found->remaining > 0 && --found->remaining == 0) {
        faults.erase(found);
    }
    return taken;
}

}  // namespace devsim
