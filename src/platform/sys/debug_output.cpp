#include "platform/sys/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace platform::sys {

bool DebugOutputEnabled() {
    static const bool enabled = [] {
        const char* value = std::getenv(kDebugOutputVariable);
        return value != nullptr && *value != '\0' && std::string_view(value) != "0";
    }();
    return enabled;
}

void OutputDebugString(std::string_view text) {
    if (!DebugOutputEnabled()) {
        return;
    }
    static std::mutex outputLock;
    std::string line(text);
    if (line.empty() || line.back() != '\n') {
        line.push_back('\n');
    }
    std::lock_guard guard(outputLock);
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace platform::sys
