#include "fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/msg/message_loop.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"

namespace automation::testing {

namespace {

constexpr uint64_t kReaperMs = 5000;
constexpr platform::msg::UINT_PTR kReaperTimer = 0xEEEE;
constexpr uint32_t kReaperTickMs = 100;

}  // namespace

void RecordingWindow::Notify(toolkit::TNotifyUI& msg) {
    received.push_back(msg.type + ":" + (msg.sender != nullptr ? msg.sender->GetName() : ""));
    if (onNotify) {
        onNotify(msg);
    }
    WindowImplBase::Notify(msg);
}

toolkit::LRESULT RecordingWindow::HandleCustomMessage(toolkit::UINT message, toolkit::WPARAM wParam,
                                                      toolkit::LPARAM lParam, bool& handled) {
    handled = onMessage && onMessage(message, wParam, lParam);
    return 0;
}

AutomationTest::AutomationTest()
    : tracker_(std::make_shared<WindowTracker>(std::make_shared<toolkit::CHeadlessHost>())) {
    toolkit::SetWindowHost(tracker_);
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kavrin_automation_XXXXXX").string();
    skinDir_ = mkdtemp(pattern.data());
    std::ofstream(skinDir_ + "/main.xml") << kTestSkin;
    toolkit::CResourceManager::GetInstance().Release();
    toolkit::CResourceManager::GetInstance().SetResourcePath(skinDir_);
    EXPECT_TRUE(window_.Create(toolkit::HWND(), "automation test", 0, 0));
    window_.GetPaintManager().SendWindowInit();
    tray_.CreateTrayIcon(window_.GetHWND(), 1, "tip");
    handler_ = std::make_unique<RequestHandler>(Context());
}

AutomationTest::~AutomationTest() {
    handler_.reset();
    tray_.DeleteTrayIcon();
    window_.Close();
    platform::msg::RunModalLoop([this] { return !window_.GetHWND(); });
    toolkit::SetWindowHost(nullptr);
    toolkit::CResourceManager::GetInstance().Release();
    std::filesystem::remove_all(skinDir_);
}

AutomationContext AutomationTest::Context() {
    AutomationContext context;
    context.windows = [this] { return tracker_->Windows(); };
    context.trayIcon = [this] { return &tray_; };
    context.simulator = &simulator_;
    return context;
}

void AutomationTest::RunUntil(const std::function<bool()>& done) {
    const uint64_t deadline = platform::sys::GetTickCount64() + kReaperMs;
    // A timer wakes the loop so that the deadline is seen even when nothing else happens.
    platform::msg::SetTimer(window_.GetHWND(), kReaperTimer, kReaperTickMs);
    platform::msg::RunModalLoop([&] {
        if (platform::sys::GetTickCount64() >= deadline) {
            ADD_FAILURE() << "reaper: the loop ran too long";
            return true;
        }
        return done();
    });
    platform::msg::KillTimer(window_.GetHWND(), kReaperTimer);
}

Json AutomationTest::Call(const std::string& line) {
    JsonParseResult parsed = ParseJson(line);
    EXPECT_TRUE(parsed.value) << parsed.error;
    std::optional<Json> reply;
    handler_->Handle(parsed.value.value_or(Json()), [&](const Json& result) { reply = result; });
    if (!reply) {
        RunUntil([&] { return reply.has_value(); });
    }
    return reply.value_or(Json());
}

bool InOrder(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    size_t next = 0;
    for (const std::string& entry : actual) {
        if (next < expected.size() && entry == expected[next]) {
            ++next;
        }
    }
    return next == expected.size();
}

}  // namespace automation::testing
