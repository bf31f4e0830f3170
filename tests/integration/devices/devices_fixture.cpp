#include "devices_fixture.h"

#include <filesystem>
#include <system_error>

#include "app/custom_controls.h"
#include "app/process_state.h"
#include "platform/hid/hidraw_backend.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/post.h"
#include "platform/msg/registered_message.h"
#include "platform/msg/timer.h"
#include "platform/sys/clock.h"
#include "toolkit/core/label.h"
#include "toolkit/core/resource_manager.h"

namespace app::testing {

namespace m = platform::msg;

namespace {

// Not a timer of the main window: it only wakes the loop so that RunUntil looks again.
constexpr m::UINT_PTR kWakeTimer = 9999;

}  // namespace

void CountingHost::AddWindow(toolkit::HWND hwnd, toolkit::CPaintManagerUI* manager,
                             toolkit::HWND owner, const std::string& title) {
    if (owner && owner == main_) {
        ++ownedOpened_;
    }
    host_.AddWindow(hwnd, manager, owner, title);
}

DevicesTest::DevicesTest() : host_(std::make_shared<CountingHost>()) {
    platform::hid::SetBackend(simulator_.backend());
    platform::hid::SetRealNodeOpenHook(
        [](const std::string& node) { ADD_FAILURE() << "real device opened: " << node; });
    toolkit::SetWindowHost(host_);
    toolkit::CPaintManagerUI::SetResourcePath(std::string(KAVRIN_PROGRAM_FOLDER) + "skin/");
    toolkit::CResourceManager::GetInstance().LoadResource("res.xml");
    RegisterCustomControls();
    SetActivationMessage(m::RegisterWindowMessage(kActivationMessageName));
}

DevicesTest::~DevicesTest() {
    if (window_ && window_->GetHWND()) {
        CloseMainWindow();
    }
    window_.reset();
    toolkit::CResourceManager::GetInstance().Release();
    toolkit::SetWindowHost(nullptr);
    platform::hid::SetRealNodeOpenHook({});
}

CMainWnd& DevicesTest::Start() {
    window_ = std::make_unique<CMainWnd>();
    EXPECT_TRUE(window_->Create(toolkit::HWND(), kProgramTitle, kMainStyle, 0, 0, 0, kMainWidth,
                                kMainHeight));
    host_->SetMainWindow(window_->GetHWND());
    return *window_;
}

bool DevicesTest::RunUntil(const std::function<bool()>& done, uint32_t timeoutMs) {
    const uint64_t deadline = platform::sys::GetTickCount64() + timeoutMs;
    bool timedOut = false;
    m::SetTimer(window_->GetHWND(), kWakeTimer, 20);
    m::RunModalLoop([&] {
        timedOut = platform::sys::GetTickCount64() > deadline;
        return timedOut || done();
    });
    m::KillTimer(window_->GetHWND(), kWakeTimer);
    EXPECT_FALSE(timedOut) << "the awaited state did not come";
    return !timedOut;
}

void DevicesTest::SettlePass(device::DeviceLink& link) {
    { platform::sys::LockGuard pass(link.transferLock); }
    bool served = false;
    m::PostTask(window_->GetHWND(), [&served] { served = true; });
    RunUntil([&] { return served; });
}

void DevicesTest::CloseMainWindow() {
    window_->Close();
    EXPECT_EQ(m::RunMessageLoop(), 0);
}

bool DevicesTest::MainVisible() const {
    return host_->IsWindowVisible(window_->GetHWND());
}

toolkit::CControlUI* DevicesTest::Control(std::string_view name) const {
    return window_->FindControl(name);
}

bool DevicesTest::ControlVisible(std::string_view name) const {
    const toolkit::CControlUI* control = Control(name);
    return control != nullptr && control->IsVisible();
}

bool DevicesTest::OptionSelected(std::string_view name) const {
    const auto* option = dynamic_cast<const toolkit::COptionUI*>(Control(name));
    return option != nullptr && option->IsSelected();
}

long DevicesTest::DataFileSize(profile::DeviceKind kind, std::string_view name) {
    std::error_code error;
    const auto size =
        std::filesystem::file_size(profile::KindFolder(kind) + std::string(name), error);
    return error ? -1 : static_cast<long>(size);
}

}  // namespace app::testing
