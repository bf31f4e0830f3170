#pragma once

#include <functional>
#include <optional>

namespace platform::shell {

struct CursorPos {
    int x = 0;
    int y = 0;
    friend bool operator==(const CursorPos&, const CursorPos&) = default;
};

// Where the pointer is on the screen. The display host installs the source (the window
// system knows the pointer); without one there is no answer.
std::optional<CursorPos> GetCursorPos();

using CursorPosSource = std::function<CursorPos()>;
// Installs (or with null removes) the source. Call from the UI thread.
void SetCursorPosSource(CursorPosSource source);

}  // namespace platform::shell
