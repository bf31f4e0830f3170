#include "platform/msg/registered_message.h"

#include <cctype>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/msg/messages.h"

namespace platform::msg {

UINT RegisterWindowMessage(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    std::string key;
    key.reserve(name.size());
    for (char c : name) {
        key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    static std::mutex mutex;
    static std::unordered_map<std::string, UINT> numbers;
    std::lock_guard lock(mutex);
    if (auto it = numbers.find(key); it != numbers.end()) {
        return it->second;
    }
    UINT number = kRegisteredMessageFirst + static_cast<UINT>(numbers.size());
    if (number > kRegisteredMessageLast) {
        return 0;
    }
    numbers.emplace(std::move(key), number);
    return number;
}

}  // namespace platform::msg
