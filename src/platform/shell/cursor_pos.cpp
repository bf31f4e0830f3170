#include "platform/shell/cursor_pos.h"

namespace platform::shell {

namespace {

CursorPosSource& Source() {
    static CursorPosSource source;
    return source;
}

}  // namespace

std::optional<CursorPos> GetCursorPos() {
    if (!Source()) {
        return std::nullopt;
    }
    return Source()();
}

void SetCursorPosSource(CursorPosSource source) {
    Source() = std::move(source);
}

}  // namespace platform::shell
