#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "automation/context.h"
#include "automation/json.h"
#include "platform/msg/types.h"

namespace automation {

// Longest "wait" a request may ask for; a client that wants longer asks again.
inline constexpr int64_t kMaxWaitMs = 120000;
inline constexpr int64_t kDefaultWaitTimeoutMs = 5000;
// How often waiting conditions are checked again.
inline constexpr uint32_t kWaitTickMs = 20;

// Carries out requests on the UI thread. Created, used and destroyed on that thread; owns a
// message-only window whose timer re-checks the conditions of "wait" requests, so waiting never
// blocks the loop.
class RequestHandler {
public:
    // Called exactly once per request with the complete reply ({"ok": …}); at once for most
    // requests, on a later timer tick for waits. Never called after the handler is gone.
    using Reply = std::function<void(const Json& reply)>;

    explicit RequestHandler(AutomationContext context);
    ~RequestHandler();
    RequestHandler(const RequestHandler&) = delete;
    RequestHandler& operator=(const RequestHandler&) = delete;

    // Where the listener posts its tasks: they are dropped once the handler is gone.
    platform::msg::HWND window() const { return hwnd_; }

    void Handle(const Json& request, Reply reply);

private:
    struct Wait {
        Json request;
        uint64_t deadline;
        Reply reply;
    };

    // Every request but a wait: runs it and replies once.
    void RunAction(const Json& request, std::string_view op, Reply reply);
    Json Run(const Json& request, std::string_view op);
    // A finished wait's reply, or null while it goes on.
    std::optional<Json> CheckWait(const Wait& wait, uint64_t now) const;
    void OnTick();

    AutomationContext context_;
    platform::msg::HWND hwnd_;
    std::vector<Wait> waits_;
};

// The replies of the protocol: {"ok": true, "id": …, members…} and {"ok": false, "id": …,
// "error": "…"}; "id" is echoed from the request when it has one.
Json SuccessReply(const Json& request, Json members);
Json ErrorReply(const Json& request, std::string_view error);

}  // namespace automation
