#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace automation {

// Longest request line the channel reads; a longer one is answered with an error and skipped.
inline constexpr size_t kMaxLineBytes = 64 * 1024;

// One piece of what a client sent: a complete line (without its newline), or the notice that a
// line went over the cap (its bytes up to the next newline are dropped).
struct LineEvent {
    enum class Kind { kLine, kTooLong };
    Kind kind;
    std::string line;
};

// Cuts a byte stream into lines without ever holding more than the cap.
class LineSplitter {
public:
    explicit LineSplitter(size_t maxLine = kMaxLineBytes) : maxLine_(maxLine) {}

    std::vector<LineEvent> Feed(std::string_view bytes);

private:
    size_t maxLine_;
    std::string pending_;
    bool skipping_ = false;  // inside a line already reported as too long
};

}  // namespace automation
