#include "shell_fixture.h"

#include "app/custom_controls.h"
#include "app/language_settings.h"
#include "platform/hid/hidraw_backend.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "toolkit/core/resource_manager.h"

namespace app::testing {

namespace m = platform::msg;

namespace {

// Not a timer of the main window: it only wakes the loop so that RunUntil looks again.
constexpr m::UINT_PTR kWakeTimer = 9999;

}  // namespace

ShellTest::ShellTest() : host_(std::make_shared<toolkit::CHeadlessHost>()) {
    platform::hid::SetBackend(simulator_.backend());
    platform::hid::SetRealNodeOpenHook(
        [](const std::string& node) { ADD_FAILURE() << "real device opened: " << node; });
    toolkit::SetWindowHost(host_);
    toolkit::CPaintManagerUI::SetResourcePath(KAVRIN_SHELL_SKIN_DIR);
    toolkit::CResourceManager::GetInstance().LoadResource("res.xml");
    RegisterCustomControls();
}

ShellTest::~ShellTest() {
    window_.reset();
    toolkit::CResourceManager::GetInstance().Release();
    toolkit::SetWindowHost(nullptr);
    platform::hid::SetRealNodeOpenHook({});
}

CMainWnd& ShellTest::CreateMainWindow(MainWindowOptions options) {
    window_ = std::make_unique<CMainWnd>(std::move(options));
    EXPECT_TRUE(window_->Create(toolkit::HWND(), kProgramTitle, kMainStyle, 0, 0, 0, kMainWidth,
                                kMainHeight));
    window_->CenterWindow();
    return *window_;
}

bool ShellTest::RunUntil(const std::function<bool()>& done, uint32_t timeoutMs) {
    const uint64_t deadline = platform::sys::GetTickCount64() + timeoutMs;
    bool timedOut = false;
    if (window_ && window_->GetHWND()) {
        m::SetTimer(window_->GetHWND(), kWakeTimer, 20);
    }
    m::RunModalLoop([&] {
        timedOut = platform::sys::GetTickCount64() > deadline;
        return timedOut || done();
    });
    if (window_ && window_->GetHWND()) {
        m::KillTimer(window_->GetHWND(), kWakeTimer);
    }
    EXPECT_FALSE(timedOut) << "the awaited state did not come";
    return !timedOut;
}

bool ShellTest::RunStartup() {
    const toolkit::HWND hwnd = window_->GetHWND();
    return RunUntil([&] { return !host_->IsWindowVisible(hwnd); });
}

void ShellTest::CloseMainWindow() {
    window_->Close();
    // The window's destruction posts the quit message that ends the program's loop.
    EXPECT_EQ(m::RunMessageLoop(), 0);
    EXPECT_FALSE(window_->GetHWND());
}

std::string ShellTest::MainIni() const {
    return MainIniPath();
}

}  // namespace app::testing
