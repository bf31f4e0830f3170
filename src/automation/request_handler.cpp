#include "automation/request_handler.h"

#include "automation/control_requests.h"
#include "automation/control_state.h"
#include "automation/key_request.h"
#include "automation/request_args.h"
#include "automation/sim_requests.h"
#include "automation/targets.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "platform/msg/window.h"
#include "platform/sys/clock.h"
#include "toolkit/core/paint_manager.h"

namespace automation {

namespace {

namespace m = platform::msg;

constexpr m::UINT_PTR kWaitTimer = 1;

Json StartReply(const Json& request, bool ok) {
    Json reply = Json::Object().Set("ok", ok);
    if (const Json* id = request.Find("id")) {
        reply.Set("id", *id);
    }
    return reply;
}

// The state a wait watches; a window that does not exist yet holds no control.
Json WatchedState(const AutomationContext& context, const Json& request) {
    try {
        const AutomationWindow window = ResolveWindow(context, request);
        return DescribeControl(window.manager->FindControl(RequiredString(request, "name")));
    } catch (const RequestError&) {
        if (request.Find("window") == nullptr) {
            throw;
        }
        return DescribeControl(nullptr);
    }
}

}  // namespace

Json SuccessReply(const Json& request, Json members) {
    Json reply = StartReply(request, true);
    for (size_t i = 0; i < members.Keys().size(); ++i) {
        reply.Set(members.Keys()[i], members.Items()[i]);
    }
    return reply;
}

Json ErrorReply(const Json& request, std::string_view error) {
    return StartReply(request, false).Set("error", error);
}

RequestHandler::RequestHandler(AutomationContext context) : context_(std::move(context)) {
    hwnd_ = m::CreateWindow(
        [this](m::HWND hwnd, m::UINT message, m::WPARAM wParam, m::LPARAM lParam) -> m::LRESULT {
            if (message == m::WM_TIMER && wParam == kWaitTimer) {
                OnTick();
                return 0;
            }
            return m::DefWindowProc(hwnd, message, wParam, lParam);
        });
}

RequestHandler::~RequestHandler() {
    m::DestroyWindow(hwnd_);
}

void RequestHandler::Handle(const Json& request, Reply reply) {
    if (request.type() != Json::Type::kObject) {
        reply(ErrorReply(request, "a request must be a JSON object"));
        return;
    }
    try {
        const std::string& op = RequiredString(request, "op");
        if (op != "wait") {
            RunAction(request, op, std::move(reply));
            return;
        }
        const bool forCondition = request.Find("until") != nullptr;
        const int64_t ms =
            forCondition
                ? OptionalInt(request, "timeout", 0, kMaxWaitMs).value_or(kDefaultWaitTimeoutMs)
                : RequiredInt(request, "ms", 0, kMaxWaitMs);
        Wait wait{request, platform::sys::GetTickCount64() + static_cast<uint64_t>(ms), {}};
        if (std::optional<Json> done = CheckWait(wait, platform::sys::GetTickCount64())) {
            reply(*done);
            return;
        }
        wait.reply = std::move(reply);
        waits_.push_back(std::move(wait));
        m::SetTimer(hwnd_, kWaitTimer, kWaitTickMs);
    } catch (const std::exception& error) {
        reply(ErrorReply(request, error.what()));
    }
}

void RequestHandler::RunAction(const Json& request, std::string_view op, Reply reply) {
    // An action that opens a modal window is answered as the window's loop starts, so that the
    // client can go on and drive that window (its requests are served by the nested loop);
    // what the action says once the window has closed is not sent.
    bool answered = false;
    const auto answer = [&](const Json& result) {
        if (!answered) {
            answered = true;
            reply(result);
        }
    };
    const m::ModalLoopWatch watch(
        [&](m::HWND) { answer(SuccessReply(request, Json::Object().Set("modal", true))); });
    try {
        answer(SuccessReply(request, Run(request, op)));
    } catch (const std::exception& error) {
        answer(ErrorReply(request, error.what()));
    }
}

Json RequestHandler::Run(const Json& request, std::string_view op) {
    if (op == "ping") {
        return Json::Object();
    }
    if (op == "key") {
        return RunKeyRequest(context_, request);
    }
    if (std::optional<Json> result = RunControlRequest(context_, op, request)) {
        return std::move(*result);
    }
    if (std::optional<Json> result = RunSimulatorRequest(context_.simulator, op, request)) {
        return std::move(*result);
    }
    throw RequestError("unknown op \"" + std::string(op) + "\"");
}

std::optional<Json> RequestHandler::CheckWait(const Wait& wait, uint64_t now) const {
    const Json* until = wait.request.Find("until");
    if (until == nullptr) {
        return now >= wait.deadline ? std::optional(SuccessReply(wait.request, Json::Object()))
                                    : std::nullopt;
    }
    if (until->type() != Json::Type::kObject) {
        throw RequestError("\"until\" must be an object of control state members");
    }
    Json state = WatchedState(context_, wait.request);
    if (StateMatches(state, *until)) {
        return SuccessReply(wait.request, Json::Object().Set("state", std::move(state)));
    }
    if (now >= wait.deadline) {
        return ErrorReply(wait.request, "timed out waiting for \"" +
                                            RequiredString(wait.request, "name") + "\" to match " +
                                            until->Write())
            .Set("state", std::move(state));
    }
    return std::nullopt;
}

void RequestHandler::OnTick() {
    const uint64_t now = platform::sys::GetTickCount64();
    // Replies are collected first: the list must not change under the loop.
    std::vector<std::pair<Reply, Json>> finished;
    std::erase_if(waits_, [&](Wait& wait) {
        std::optional<Json> done;
        try {
            done = CheckWait(wait, now);
        } catch (const std::exception& error) {
            done = ErrorReply(wait.request, error.what());
        }
        if (done) {
            finished.emplace_back(std::move(wait.reply), std::move(*done));
        }
        return done.has_value();
    });
    if (waits_.empty()) {
        m::KillTimer(hwnd_, kWaitTimer);
    }
    for (auto& [reply, result] : finished) {
        reply(result);
    }
}

}  // namespace automation
