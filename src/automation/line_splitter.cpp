#include "automation/line_splitter.h"

namespace automation {

std::vector<LineEvent> LineSplitter::Feed(std::string_view bytes) {
    std::vector<LineEvent> events;
    while (!bytes.empty()) {
        const size_t newline = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, newline);
        if (!skipping_) {
            if (pending_.size() + piece.size() > maxLine_) {
                events.push_back({LineEvent::Kind::kTooLong, {}});
                pending_.clear();
                skipping_ = true;
            } else {
                pending_.append(piece);
            }
        }
        if (newline == std::string_view::npos) {
            break;
        }
        if (!skipping_) {
            if (!pending_.empty() && pending_.back() == '\r') {
                pending_.pop_back();
            }
            events.push_back({LineEvent::Kind::kLine, std::move(pending_)});
        }
        pending_.clear();
        skipping_ = false;
        bytes.remove_prefix(newline + 1);
    }
    return events;
}

}  // namespace automation
