// A small window from a sample skin on the SDL host, logging what happens as JSON lines, for
// the end-to-end tests and the idle benchmark.
//   demo --skin <folder> [--idle-bench] [--scale <factor>]
#include <cstdlib>
#include <cstring>
#include <string>

#include "json_log.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/timer.h"
#include "toolkit/core/edit.h"
#include "toolkit/core/menu_cmd.h"
#include "toolkit/core/menu_wnd.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/core/window.h"
#include "toolkit/sdl/sdl_host.h"

namespace demo {

using namespace toolkit;
namespace m = platform::msg;

constexpr m::UINT_PTR kRepaintTimer = 10;
constexpr uint32_t kRepaintMs = 50;
constexpr uint32_t kPopupStyle = 0x96CA0000;

std::string RectJson(const Rect& rect) {
    return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "]";
}

// Logs "ready" with the window's screen rectangle and the rectangles of its named controls.
void LogReady(std::string_view type, WindowImplBase& window) {
    std::string controls = "{";
    window.GetPaintManager().GetRoot()->ForEach([&](CControlUI& control) {
        if (!control.GetName().empty()) {
            controls += (controls.size() > 1 ? "," : "") + Quote(control.GetName()) + ":" +
                        RectJson(control.GetPos());
        }
    });
    JsonLine(type)
        .AddRaw("window", RectJson(window.GetWindowRect()))
        .AddRaw("controls", controls + "}")
        .Print();
}

void LogNotify(TNotifyUI& msg) {
    JsonLine line("notify");
    line.Add("event", msg.type).Add("sender", msg.sender != nullptr ? msg.sender->GetName() : "");
    if (msg.type == "textchanged" && msg.sender != nullptr) {
        line.Add("text", msg.sender->GetText());
    } else if ((msg.type == "valuechanged" || msg.type == "movevaluechanged") &&
               dynamic_cast<CProgressUI*>(msg.sender) != nullptr) {
        line.Add("value", static_cast<CProgressUI*>(msg.sender)->GetValue());
    }
    line.Print();
}

class DialogWindow final : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "DemoDialog"; }
    std::string GetSkinFile() const override { return "dialog.xml"; }
    void Notify(TNotifyUI& msg) override {
        LogNotify(msg);
        if (msg.type == "windowinit") {
            LogReady("dialogready", *this);
        } else if (msg.type == "click" && msg.sender != nullptr &&
                   !msg.sender->GetUserData().empty()) {
            Close(static_cast<UINT>(std::atoi(msg.sender->GetUserData().c_str())));
        }
    }
};

class MainWindow final : public WindowImplBase {
public:
    explicit MainWindow(bool idleBench) : idleBench_(idleBench) {}
    std::string GetWindowClassName() const override { return "DemoMain"; }
    std::string GetSkinFile() const override { return "main.xml"; }

    void Notify(TNotifyUI& msg) override {
        LogNotify(msg);
        if (msg.type == "windowinit") {
            OnInit();
        } else if (msg.type == "click" && msg.sender != nullptr &&
                   msg.sender->GetName() == "btn_modal") {
            RunDialog();
            return;
        } else if (msg.type == "menu") {
            auto* menu = new CMenuWnd();
            menu->Init("menu.xml", GetWindowHost().GetCursorPos(), &GetPaintManager());
        }
        WindowImplBase::Notify(msg);
    }

protected:
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                bool& handled) override {
        handled = false;
        if (message == m::WM_TIMER && wParam == kRepaintTimer) {
            // The main window's periodic repaint: with nothing changed it costs nothing.
            GetWindowHost().Paint(GetHWND());
            handled = true;
        } else if (message == kMenuCommandMessage) {
            std::unique_ptr<MenuCmd> cmd = TakeMenuCmd(lParam);
            JsonLine("menucommand").Add("name", cmd->name).Add("userdata", cmd->userData).Print();
            handled = true;
        } else if (message == kTrayMessage) {
            JsonLine("tray").Add("mouse", lParam).Print();
            handled = true;
        } else if (message == m::WM_KEYDOWN) {
            JsonLine("key").Add("vk", static_cast<long long>(wParam)).Print();
        }
        return 0;
    }
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled) override {
        m::PostQuitMessage(0);
        handled = false;
        return 0;
    }

private:
    void OnInit() {
        LogReady("ready", *this);
        tray_ = GetWindowHost().CreateTrayIcon();
        bool trayShown = tray_->CreateTrayIcon(GetHWND(), 128, "KAVRIN demo");
        JsonLine("trayicon").Add("shown", trayShown ? 1 : 0).Print();
        if (idleBench_) {
            m::SetTimer(GetHWND(), kRepaintTimer, kRepaintMs);
        }
    }
    void RunDialog() {
        DialogWindow dialog;
        dialog.Create(GetHWND(), "KAVRIN dialog", kPopupStyle, 0);
        dialog.CenterWindow();
        UINT result = dialog.ShowModal();
        JsonLine("modalresult").Add("value", result).Print();
    }

    bool idleBench_;
    std::unique_ptr<CTrayIcon> tray_;
};

}  // namespace demo

int main(int argc, char** argv) {
    std::string skin;
    bool idleBench = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--skin") == 0 && i + 1 < argc) {
            skin = argv[++i];
        } else if (std::strcmp(argv[i], "--idle-bench") == 0) {
            idleBench = true;
        }
    }
    if (skin.empty()) {
        std::fprintf(stderr, "usage: %s --skin <folder> [--idle-bench]\n", argv[0]);
        return 2;
    }
    toolkit::CResourceManager::GetInstance().SetResourcePath(skin);
    auto host = toolkit::sdl::SdlHost::Create();
    if (host == nullptr) {
        demo::JsonLine("error").Add("message", "no display").Print();
        return 3;
    }
    toolkit::SetWindowHost(host);
    host->InstallWaiter();
    int code = 0;
    {
        demo::MainWindow window(idleBench);
        if (!window.Create(platform::msg::HWND(), "KAVRIN demo", demo::kPopupStyle, 0)) {
            demo::JsonLine("error").Add("message", "window not created").Print();
            return 4;
        }
        window.CenterWindow();
        window.ShowWindow(true);
        code = platform::msg::RunMessageLoop();
    }
    host.reset();
    toolkit::SetWindowHost(nullptr);
    return code;
}
