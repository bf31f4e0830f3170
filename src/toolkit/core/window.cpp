#include "toolkit/core/window.h"

#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/msg/window.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/host.h"
#include "toolkit/core/menu_cmd.h"

namespace toolkit {

namespace m = platform::msg;

namespace {

constexpr uint32_t kStyleVisible = 0x10000000;

bool TakesWindowOffScreen(int command) {
    return command == SW_HIDE || command == SW_MINIMIZE || command == SW_SHOWMINIMIZED;
}

}  // namespace

CWindowWnd::~CWindowWnd() {
    if (hwnd_) {
        // The subclass is gone: let the window end without calling back into it.
        destroying_ = true;
        GetWindowHost().RemoveWindow(hwnd_);
        m::DestroyWindow(hwnd_);
    }
}

HWND CWindowWnd::Create(HWND parent, std::string_view title, uint32_t style, uint32_t, int x, int y,
                        int cx, int cy) {
    owner_ = parent;
    title_ = title;
    style_ = style;
    initialRect_ = Rect::FromSize(x, y, cx, cy);
    HWND hwnd = m::CreateWindow([this](HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
        return WindowProc(h, message, wParam, lParam);
    });
    if (hwnd && (style_ & kStyleVisible) != 0) {
        GetWindowHost().ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    }
    return hwnd;
}

LRESULT CWindowWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (destroying_) {
        return m::DefWindowProc(hwnd, message, wParam, lParam);
    }
    if (message == m::WM_CREATE) {
        hwnd_ = hwnd;
        GetWindowHost().AddWindow(hwnd, GetManager(), owner_, title_);
        GetWindowHost().SetWindowRect(hwnd, initialRect_);
    } else if (message == m::WM_CLOSE) {
        if (auto result = modalResult_.lock()) {
            *result = static_cast<UINT>(wParam);
        }
    }
    LRESULT result = HandleMessage(message, wParam, lParam);
    if (message == m::WM_NCDESTROY) {
        if (CPaintManagerUI* manager = GetManager()) {
            manager->HideToolTip();
        }
        GetWindowHost().RemoveWindow(hwnd);
        hwnd_ = HWND();
        OnFinalMessage(hwnd);  // may delete this: nothing may follow
    }
    return result;
}

LRESULT CWindowWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m::DefWindowProc(hwnd_, message, wParam, lParam);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    ShowWindow(show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

void CWindowWnd::ShowWindow(int command) {
    CPaintManagerUI* manager = GetManager();
    if (manager != nullptr && TakesWindowOffScreen(command)) {
        manager->HideToolTip();
    }
    if (hwnd_) {
        GetWindowHost().ShowWindow(hwnd_, command);
    }
}

UINT CWindowWnd::ShowModal() {
    if (!hwnd_) {
        return 0;
    }
    auto result = std::make_shared<UINT>(0);
    modalResult_ = result;
    HWND hwnd = hwnd_;
    GetWindowHost().SetModal(hwnd, true);
    CToolTipTracker::ModalLoopStarts(hwnd);
    ShowWindow(true);
    m::ModalOutcome outcome = m::RunModalLoop(hwnd);
    CToolTipTracker::ModalLoopEnds(hwnd);
    GetWindowHost().SetModal(hwnd, false);
    // `this` may be gone (self-owned windows): only locals from here on.
    return outcome.end == m::ModalEnd::kEnded ? static_cast<UINT>(outcome.result) : *result;
}

void CWindowWnd::Close(UINT result) {
    if (hwnd_) {
        m::PostMessage(hwnd_, m::WM_CLOSE, result, 0);
    }
}

void CWindowWnd::CenterWindow() {
    IWindowHost& host = GetWindowHost();
    Rect window = host.GetWindowRect(hwnd_);
    Rect area = host.GetWorkArea();
    if (owner_ && host.IsWindowVisible(owner_) && !host.IsIconic(owner_)) {
        area = host.GetWindowRect(owner_);
    }
    int x = area.left + (area.Width() - window.Width()) / 2;
    int y = area.top + (area.Height() - window.Height()) / 2;
    host.SetWindowRect(hwnd_, Rect::FromSize(x, y, window.Width(), window.Height()));
}

void CWindowWnd::ResizeClient(int cx, int cy) {
    Rect window = GetWindowRect();
    MoveWindow(Rect::FromSize(window.left, window.top, cx, cy));
}

void CWindowWnd::MoveWindow(const Rect& rect) {
    if (hwnd_) {
        GetWindowHost().SetWindowRect(hwnd_, rect);
    }
}

Rect CWindowWnd::GetWindowRect() const {
    return GetWindowHost().GetWindowRect(hwnd_);
}

LRESULT CWindowWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m::SendMessage(hwnd_, message, wParam, lParam);
}

bool CWindowWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m::PostMessage(hwnd_, message, wParam, lParam);
}

void WindowImplBase::Notify(TNotifyUI& msg) {
    NotifyPump(msg);
}

std::unique_ptr<CControlUI> WindowImplBase::CreateControl(std::string_view) {
    return nullptr;
}

std::optional<std::string> WindowImplBase::QueryControlText(std::string_view, std::string_view) {
    return std::nullopt;
}

void WindowImplBase::NeedUpdate() {
    if (CControlUI* root = pm_.GetRoot()) {
        root->NeedUpdate();
    }
}

LRESULT WindowImplBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The toolkit's own timers never reach the subclass, which may take every WM_TIMER.
    if (message == m::WM_TIMER && pm_.OnTimer(wParam)) {
        return 0;
    }
    bool handled = false;
    LRESULT result = 0;
    switch (message) {
        case m::WM_CREATE:
            result = OnCreate(message, wParam, lParam, handled);
            break;
        case m::WM_CLOSE:
            result = OnClose(message, wParam, lParam, handled);
            break;
        case m::WM_DESTROY:
            result = OnDestroy(message, wParam, lParam, handled);
            break;
        case m::WM_SIZE:
            result = OnSize(message, wParam, lParam, handled);
            break;
        case m::WM_SYSCOMMAND:
            result = OnSysCommand(message, wParam, lParam, handled);
            break;
        case m::WM_GETMINMAXINFO:
            result = OnGetMinMaxInfo(message, wParam, lParam, handled);
            break;
        case m::WM_PAINT:
            GetWindowHost().Paint(GetHWND());
            return 0;
        default:
            break;
    }
    if (handled) {
        return result;
    }
    result = HandleCustomMessage(message, wParam, lParam, handled);
    if (handled) {
        return result;
    }
    if (message == kMenuCommandMessage) {
        TakeMenuCmd(lParam);  // nobody wanted the choice: free its record
        return 0;
    }
    if (pm_.MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    handled = true;
    pm_.Init(GetHWND(), GetWindowClassName());
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root = builder.Create(GetSkinFile(), {}, this, &pm_);
    if (root == nullptr) {
        platform::sys::OutputDebugString("window skin not built: " + builder.GetLastError());
        return -1;
    }
    pm_.AttachDialog(std::move(root));
    pm_.AddNotifier(this);
    Rect rect = GetInitialRect();
    Size skinSize = pm_.GetInitSize();
    if (rect.Width() <= 0) {
        rect.right = rect.left + skinSize.cx;
    }
    if (rect.Height() <= 0) {
        rect.bottom = rect.top + skinSize.cy;
    }
    MoveWindow(rect);
    pm_.SetClientSize(rect.GetSize());
    InitWindow();
    // "windowinit" comes as the first notification once the loop runs (or earlier, before
    // any other notification).
    CPaintManagerUI* manager = &pm_;
    m::PostTask(GetHWND(), [manager] { manager->SendWindowInit(); });
    return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM lParam, bool& handled) {
    pm_.SetClientSize(
        {static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF)});
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT, WPARAM wParam, LPARAM, bool& handled) {
    handled = true;
    switch (wParam & 0xFFF0) {
        case m::SC_CLOSE:
            SendMessage(m::WM_CLOSE, IDCANCEL);
            break;
        case m::SC_MINIMIZE:
            ShowWindow(SW_MINIMIZE);
            break;
        case m::SC_MAXIMIZE:
            ShowWindow(SW_MAXIMIZE);
            break;
        case m::SC_RESTORE:
            ShowWindow(SW_RESTORE);
            break;
        default:
            handled = false;
            break;
    }
    return 0;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

void WindowImplBase::HandleNotify(TNotifyUI& msg) {
    if (msg.type == notify::kClick) {
        OnClick(msg);
    }
}

void WindowImplBase::OnClick(TNotifyUI& msg) {
    if (msg.sender == nullptr) {
        return;
    }
    const std::string& name = msg.sender->GetName();
    if (name == "closebtn") {
        Close();
    } else if (name == "minbtn") {
        SendMessage(m::WM_SYSCOMMAND, m::SC_MINIMIZE);
    } else if (name == "maxbtn") {
        SendMessage(m::WM_SYSCOMMAND, m::SC_MAXIMIZE);
    } else if (name == "restorebtn") {
        SendMessage(m::WM_SYSCOMMAND, m::SC_RESTORE);
    }
}

}  // namespace toolkit
