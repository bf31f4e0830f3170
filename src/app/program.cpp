#include "app/program.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/custom_controls.h"
#include "app/device_backend.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "app/stop_signals.h"
#include "automation/channel.h"
#include "automation/window_tracker.h"
#include "platform/fs/known_folders.h"
#include "platform/instance/activation.h"
#include "platform/instance/instance_lock.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/registered_message.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/sdl/sdl_host.h"

namespace app {

namespace {

constexpr int kResourceTypeFile = 1;
constexpr std::string_view kSimulateOption = "--simulate";
constexpr std::string_view kScreenshotOption = "--screenshot";
constexpr std::string_view kAutomationOption = "--automation";

// The skin is always read as plain files from "skin/" beside the executable.
void PrepareSkinResources() {
    toolkit::CPaintManagerUI::SetResourceType(kResourceTypeFile);
    toolkit::CPaintManagerUI::SetResourcePath(toolkit::CPaintManagerUI::GetInstancePath() +
                                              "skin/");
    toolkit::CResourceManager::GetInstance().LoadResource("res.xml");
}

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

void PostToMainWindow(platform::msg::UINT message) {
    platform::msg::PostMessage(MainWindowHandle(), message, 0, 0);
}

}  // namespace

std::string_view UsageText() {
    return "Usage: kavrin [--simulate[=mouse,keyboard,pad]] [--screenshot FILE] [--automation PATH]"
           " [--help]\n"
           "Configuration utility of the KAVRIN ZR417 devices.\n"
           "  --simulate[=LIST]  use simulated devices (all three without a list)\n"
           "  --screenshot FILE  start, write a PNG picture of the main window, then exit\n"
           "  --automation PATH  serve the automation channel (docs/automation.md) on a Unix\n"
           "                     socket at PATH, in a folder only this user can write\n"
           "  --help             show this text\n";
}

std::optional<ProgramOptions> ParseCommandLine(std::span<const char* const> args,
                                               std::string& error) {
    ProgramOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            options.help = true;
        } else if (arg == kSimulateOption || arg.starts_with(std::string(kSimulateOption) + "=")) {
            const std::string_view list =
                arg.size() > kSimulateOption.size() ? arg.substr(kSimulateOption.size() + 1) : "";
            options.simulate = devsim::ParseSimulateList(list);
            if (!options.simulate) {
                error = "unknown device list for --simulate: " + std::string(list);
                return std::nullopt;
            }
        } else if (arg == kScreenshotOption && i + 1 < args.size()) {
            options.screenshot = args[++i];
        } else if (arg == kAutomationOption && i + 1 < args.size()) {
            options.automation = args[++i];
        } else if (arg.starts_with(std::string(kScreenshotOption) + "=")) {
            options.screenshot = std::string(arg.substr(kScreenshotOption.size() + 1));
        } else {
            error = "unknown option: " + std::string(arg);
            return std::nullopt;
        }
    }
    if (options.screenshot && options.screenshot->empty()) {
        error = "--screenshot needs a file name";
        return std::nullopt;
    }
    return options;
}

int RunProgram(const ProgramOptions& options) {
    // First, so that every thread started below inherits the blocked signals.
    StopSignals stopSignals([] { PostToMainWindow(platform::msg::WM_CLOSE); });

    const platform::msg::UINT activation =
        platform::msg::RegisterWindowMessage(kActivationMessageName);
    SetActivationMessage(activation);
    platform::sys::OutputDebugString("软件标示：" + std::to_string(activation));

    platform::instance::InstanceLock instanceLock(kInstanceLockName);
    if (instanceLock.HeldElsewhere()) {
        platform::instance::BroadcastActivation(kActivationMessageName);
        std::puts("kavrin: already running; the running instance was asked to show itself");
        return 0;
    }
    std::unique_ptr<platform::instance::ActivationListener> listener;
    if (instanceLock.state() == platform::instance::InstanceLock::State::kOwned) {
        listener = std::make_unique<platform::instance::ActivationListener>(
            kActivationMessageName, [] { PostToMainWindow(ActivationMessage()); });
    }

    const std::unique_ptr<devsim::Simulator> simulator = InstallDeviceBackend(options.simulate);
    // A real window where a display exists; the headless host for pictures and for machines
    // without one.
    std::shared_ptr<toolkit::IWindowHost> host;
    std::shared_ptr<toolkit::CHeadlessHost> headless;
    if (!options.screenshot && HasDisplay()) {
        if (auto sdlHost = toolkit::sdl::SdlHost::Create()) {
            sdlHost->InstallWaiter();
            host = sdlHost;
        } else {
            std::puts(
                "kavrin: the display could not be opened; running headless until stopped "
                "(Ctrl+C)");
        }
    } else if (!options.screenshot) {
        std::puts("kavrin: no display; running headless until stopped (Ctrl+C)");
    }
    if (!host) {
        headless = std::make_shared<toolkit::CHeadlessHost>();
        host = headless;
    }
    // The automation channel sees every window through a tracker in front of the host.
    auto tracker = options.automation ? std::make_shared<automation::WindowTracker>(host) : nullptr;
    toolkit::SetWindowHost(tracker ? std::shared_ptr<toolkit::IWindowHost>(tracker) : host);
    CMainWnd* window = nullptr;
    std::unique_ptr<automation::AutomationChannel> channel;
    if (options.automation) {
        automation::AutomationContext context;
        context.windows = [tracker] { return tracker->Windows(); };
        context.trayIcon = [&window] { return window ? window->GetTrayIcon() : nullptr; };
        context.simulator = simulator.get();
        std::string error;
        channel =
            automation::StartAutomationChannel(*options.automation, std::move(context), error);
        if (!channel) {
            std::fprintf(stderr, "kavrin: %s\n", error.c_str());
            toolkit::SetWindowHost(nullptr);
            return 2;
        }
    }
    std::fflush(stdout);

    toolkit::CPaintManagerUI::SetInstance(platform::fs::ProgramFolder());
    PrepareSkinResources();
    RegisterCustomControls();

    int exitCode = 0;
    MainWindowOptions windowOptions;
    if (options.screenshot) {
        windowOptions.onStartupPainted = [&] {
            if (headless->RenderToPng(window->GetHWND(), *options.screenshot)) {
                std::printf("kavrin: screenshot written to %s\n", options.screenshot->c_str());
            } else {
                std::fprintf(stderr, "kavrin: could not write the screenshot %s\n",
                             options.screenshot->c_str());
                exitCode = 1;
            }
            window->Close();
        };
    }
    auto mainWindow = std::make_unique<CMainWnd>(std::move(windowOptions));
    window = mainWindow.get();
    if (!window->Create(toolkit::HWND(), kProgramTitle, kMainStyle, 0, 0, 0, kMainWidth,
                        kMainHeight)) {
        std::fprintf(stderr, "kavrin: the main window could not be built from the skin in %s\n",
                     toolkit::CPaintManagerUI::GetResourcePath().c_str());
        exitCode = 1;
    } else {
        window->CenterWindow();
        toolkit::CPaintManagerUI::MessageLoop();
    }
    channel.reset();
    mainWindow.reset();
    toolkit::CResourceManager::GetInstance().Release();
    toolkit::SetWindowHost(nullptr);
    return exitCode;
}

}  // namespace app
