#include "toolkit/sdl/sdl_host.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/input/keyboard_hook.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "platform/shell/cursor_pos.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/sdl/focus_keys.h"
#include "toolkit/sdl/sdl_key_map.h"
#include "toolkit/sdl/sdl_waiter.h"
#include "toolkit/sdl/x11_display.h"
#include "toolkit/sdl/xembed_tray.h"

namespace toolkit::sdl {

namespace m = platform::msg;

namespace {

constexpr int kWheelDelta = 120;
constexpr const char* kMenuWindowClass = "MenuWnd";

LPARAM PointParam(Point point) {
    return (static_cast<LPARAM>(point.y & 0xFFFF) << 16) | (point.x & 0xFFFF);
}

// Display DPI over 96 in quarter steps (KAVRIN_SCALE overrides), never below 1.
double ChooseScale() {
    if (const char* forced = std::getenv("KAVRIN_SCALE")) {
        double value = std::atof(forced);
        if (value >= 0.5 && value <= 4.0) {
            return value;
        }
    }
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0 || dpi <= 0) {
        return 1.0;
    }
    return std::max(1.0, std::round(dpi / 96.0 * 4.0) / 4.0);
}

Rect UsableBounds(double scale) {
    SDL_Rect bounds{0, 0, 1920, 1080};
    SDL_GetDisplayUsableBounds(0, &bounds);
    auto logical = [scale](int v) { return static_cast<int>(std::lround(v / scale)); };
    return Rect::FromSize(logical(bounds.x), logical(bounds.y), logical(bounds.w),
                          logical(bounds.h));
}

// Posts one WM_CHAR per code point of UTF-8 text.
void PostCodePoints(HWND hwnd, std::string_view utf8) {
    size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        uint32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        size_t end = std::min(utf8.size(), i + 1 + extra);
        for (size_t j = i + 1; j < end; ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
        }
        i = end;
        m::PostMessage(hwnd, m::WM_CHAR, cp, 1);
    }
}

// Keys the host serves before the window: menu keys, tab order, the edit clipboard.
bool HandleHostKey(CPaintManagerUI& manager, HWND hwnd, uint32_t vk, bool ctrl, bool shift,
                   bool menu) {
    if (menu) {
        if (vk == kVkEscape) {
            m::SendMessage(hwnd, m::WM_KILLFOCUS, 0, 0);
            return true;
        }
        return vk == kVkReturn && ChooseMenuSelection(manager);
    }
    if (vk == kVkTab && !ctrl) {
        if (CControlUI* next = NextTabStop(manager, shift)) {
            manager.SetFocus(next);
        }
        return true;
    }
    return HandleEditClipboard(manager, vk, ctrl, shift);
}

}  // namespace

std::shared_ptr<SdlHost> SdlHost::Create() {
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // SIGINT and SIGTERM keep their usual meaning instead of becoming an SDL_QUIT event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Window surfaces go straight to the display (XShm): a GPU-backed surface would recreate
    // each window on first paint, losing its place, and costs more for small damage updates.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        platform::sys::OutputDebugString(std::string("no display for windows: ") + SDL_GetError());
        return nullptr;
    }
    // SDL's wait blocks on the display only while a window exists; this one always does.
    SDL_Window* anchor = SDL_CreateWindow(
        "", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR);
    if (anchor == nullptr) {
        platform::sys::OutputDebugString(std::string("no display for windows: ") + SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    std::shared_ptr<SdlHost> host(new SdlHost(anchor, ChooseScale()));
    std::weak_ptr<SdlHost> weak = host;
    platform::shell::SetCursorPosSource([weak] {
        auto self = weak.lock();
        Point point = self != nullptr ? self->GetCursorPos() : Point{};
        return platform::shell::CursorPos{point.x, point.y};
    });
    return host;
}

SdlHost::SdlHost(SDL_Window* anchor, double scale)
    : anchor_(anchor),
      scale_(scale),
      windowManager_(HasWindowManager(anchor)),
      state_(UsableBounds(scale)),
      uiThread_(std::this_thread::get_id()) {}

SdlHost::~SdlHost() {
    if (waiterInstalled_ && std::this_thread::get_id() == uiThread_) {
        m::SetCurrentThreadWaiter(m::MakeDefaultWaiter());
    }
    platform::shell::SetCursorPosSource(nullptr);
    windows_.clear();
    SDL_DestroyWindow(anchor_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlHost::InstallWaiter() {
    std::weak_ptr<SdlHost> weak = weak_from_this();
    m::SetCurrentThreadWaiter(std::make_unique<SdlWaiter>(
        [weak](const SDL_Event& event) {
            if (auto self = weak.lock()) {
                self->HandleEvent(event);
            }
        },
        [weak] {
            if (auto self = weak.lock()) {
                self->SyncTextInput();
            }
        }));
    waiterInstalled_ = true;
}

SdlHost::Window* SdlHost::Find(HWND hwnd) {
    auto found = windows_.find(hwnd);
    return found != windows_.end() ? &found->second : nullptr;
}

const SdlHost::Window* SdlHost::Find(HWND hwnd) const {
    auto found = windows_.find(hwnd);
    return found != windows_.end() ? &found->second : nullptr;
}

SdlHost::Window* SdlHost::FindBySdlId(Uint32 id) {
    for (auto& [hwnd, window] : windows_) {
        if (window.native->GetId() == id && id != 0) {
            return &window;
        }
    }
    return nullptr;
}

void SdlHost::AddWindow(HWND hwnd, CPaintManagerUI* manager, HWND owner, const std::string& title) {
    state_.AddWindow(hwnd, manager, owner, title);
    // The kind is settled when the window is first shown: by then the manager knows its class.
    windows_[hwnd] = Window{
        hwnd, owner, std::make_unique<NativeWindow>(manager, title, WindowKind::kNormal, scale_),
        nullptr};
}

void SdlHost::RemoveWindow(HWND hwnd) {
    if (Window* window = Find(hwnd)) {
        DropToolTip(*window);
    }
    state_.RemoveWindow(hwnd);
    std::erase(modal_, hwnd);
    EndDrag(hwnd);
    if (active_ == hwnd) {
        active_ = HWND();
    }
    windows_.erase(hwnd);
}

Rect SdlHost::GetWindowRect(HWND hwnd) const {
    return state_.GetWindowRect(hwnd);
}

void SdlHost::SetWindowRect(HWND hwnd, const Rect& rect) {
    state_.SetWindowRect(hwnd, rect);  // sends WM_SIZE when the size changed
    if (Window* window = Find(hwnd)) {
        SyncNative(*window);
    }
}

bool SdlHost::Realize(Window& window) {
    NativeWindow& native = *window.native;
    if (native.Get() != nullptr) {
        return true;
    }
    CPaintManagerUI* manager = native.GetManager();
    WindowKind kind = manager != nullptr && manager->GetName() == kMenuWindowClass
                          ? WindowKind::kMenu
                      : window.owner ? WindowKind::kOwned
                                     : WindowKind::kNormal;
    if (kind != native.GetKind()) {
        window.native =
            std::make_unique<NativeWindow>(manager, state_.GetTitle(window.hwnd), kind, scale_);
    }
    return window.native->Realize(state_.GetWindowRect(window.hwnd), GetSdlWindow(window.owner));
}

void SdlHost::SyncNative(Window& window) {
    SDL_Window* sdl = window.native->Get();
    if (sdl == nullptr) {
        return;
    }
    window.native->Move(state_.GetWindowRect(window.hwnd));
    bool shown = (SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN) != 0;
    bool wanted =
        state_.IsWindowVisible(window.hwnd) && (windowManager_ || !state_.IsIconic(window.hwnd));
    if (wanted != shown) {
        if (!wanted) {
            SDL_HideWindow(sdl);
        } else {
            SDL_ShowWindow(sdl);
        }
    }
}

void SdlHost::ShowWindow(HWND hwnd, int command) {
    Window* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    bool wasMinimized = state_.IsIconic(hwnd);
    state_.ShowWindow(hwnd, command);
    if (command == SW_HIDE) {
        EndDrag(hwnd);
    }
    if (!state_.IsWindowVisible(hwnd) || state_.IsIconic(hwnd)) {
        DropToolTip(*window);
    }
    if (state_.IsWindowVisible(hwnd) && !Realize(*window)) {
        return;
    }
    window = Find(hwnd);  // Realize may have replaced the native window
    SDL_Window* sdl = window->native->Get();
    SyncNative(*window);
    if (sdl == nullptr) {
        return;
    }
    if (windowManager_ && state_.IsIconic(hwnd) && !wasMinimized) {
        SDL_MinimizeWindow(sdl);
    } else if (windowManager_ && !state_.IsIconic(hwnd) && wasMinimized) {
        SDL_RestoreWindow(sdl);
    }
    if (state_.IsWindowVisible(hwnd) && !state_.IsIconic(hwnd)) {
        if (CPaintManagerUI* manager = window->native->GetManager()) {
            manager->Invalidate();
        }
        if (command != SW_SHOWNOACTIVATE && command != SW_HIDE) {
            Activate(*window);
        }
    }
}

void SdlHost::Activate(Window& window) {
    SDL_Window* sdl = window.native->Get();
    if (sdl == nullptr) {
        return;
    }
    SDL_RaiseWindow(sdl);
    if (window.native->GetKind() == WindowKind::kMenu) {
        // Menus never take the focus from their owner; their list takes the keys instead.
        CPaintManagerUI* manager = window.native->GetManager();
        if (manager != nullptr && manager->GetRoot() != nullptr) {
            manager->SetFocus(manager->GetRoot());
        }
        return;
    }
    // Without a window manager nobody else moves the keyboard focus.
    SDL_SetWindowInputFocus(sdl);
    active_ = window.hwnd;
}

bool SdlHost::IsWindowVisible(HWND hwnd) const {
    return state_.IsWindowVisible(hwnd);
}

bool SdlHost::IsIconic(HWND hwnd) const {
    return state_.IsIconic(hwnd);
}

bool SdlHost::IsZoomed(HWND hwnd) const {
    return state_.IsZoomed(hwnd);
}

void SdlHost::SetTopMost(HWND hwnd, bool topMost) {
    state_.SetTopMost(hwnd, topMost);
    const Window* window = Find(hwnd);
    if (window != nullptr && window->native->Get() != nullptr) {
        SDL_SetWindowAlwaysOnTop(window->native->Get(), topMost ? SDL_TRUE : SDL_FALSE);
        if (topMost) {
            SDL_RaiseWindow(window->native->Get());
        }
    }
}

bool SdlHost::IsTopMost(HWND hwnd) const {
    return state_.IsTopMost(hwnd);
}

void SdlHost::Paint(HWND hwnd) {
    Window* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    CPaintManagerUI* manager = window->native->GetManager();
    if (manager == nullptr) {
        return;
    }
    if (window->native->Get() == nullptr || !state_.IsWindowVisible(hwnd)) {
        manager->Validate();  // nothing on screen to paint; the next show paints it all
        return;
    }
    images_.SetResourceRoot(CResourceManager::GetInstance().GetResourcePath());
    CControlUI* focus = manager->GetFocus();
    CControlUI* caret =
        focus != nullptr && focus->GetClass() == "EditUI" && hwnd == active_ ? focus : nullptr;
    window->native->Paint(images_, caret);
}

void SdlHost::SetModal(HWND hwnd, bool modal) {
    std::erase(modal_, hwnd);
    if (modal) {
        modal_.push_back(hwnd);
    }
}

void SdlHost::ShowToolTip(HWND hwnd, const std::string& text, Point pointer) {
    Window* window = Find(hwnd);
    if (window == nullptr) {
        return;
    }
    state_.ShowToolTip(hwnd, text, pointer);
    CPaintManagerUI* manager = window->native->GetManager();
    const render::TextStyle font = manager != nullptr ? manager->GetFont(-1) : render::TextStyle{};
    if (window->toolTip == nullptr) {
        window->toolTip = std::make_unique<ToolTipWindow>(scale_);
    }
    if (!window->toolTip->Show(text, font, pointer, state_.GetWorkArea(), images_)) {
        DropToolTip(*window);
        return;
    }
    // The tooltip is no toolkit window: only its exposes matter.
    SetForeignHandler(
        SDL_GetWindowID(window->toolTip->Get()), [this, hwnd](const SDL_Event& event) {
            Window* owner = Find(hwnd);
            if (owner != nullptr && owner->toolTip != nullptr && event.type == SDL_WINDOWEVENT &&
                event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                owner->toolTip->Present();
            }
        });
}

void SdlHost::HideToolTip(HWND hwnd) {
    if (Window* window = Find(hwnd)) {
        DropToolTip(*window);
    }
}

void SdlHost::DropToolTip(Window& window) {
    state_.HideToolTip(window.hwnd);
    if (window.toolTip != nullptr) {
        if (SDL_Window* sdl = window.toolTip->Get()) {
            SetForeignHandler(SDL_GetWindowID(sdl), nullptr);
        }
        window.toolTip.reset();
    }
}

const ToolTipWindow* SdlHost::GetToolTipWindow(HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window != nullptr ? window->toolTip.get() : nullptr;
}

bool SdlHost::AcceptsInput(const Window& window) const {
    return modal_.empty() || window.hwnd == modal_.back() ||
           window.native->GetKind() == WindowKind::kMenu;
}

Rect SdlHost::GetWorkArea() const {
    return state_.GetWorkArea();
}

Point SdlHost::GetCursorPos() const {
    int x = 0;
    int y = 0;
    if (std::optional<SDL_Point> pointer = QueryX11Pointer(anchor_)) {
        x = pointer->x;
        y = pointer->y;
    } else {
        SDL_GetGlobalMouseState(&x, &y);
    }
    return {static_cast<int>(std::lround(x / scale_)), static_cast<int>(std::lround(y / scale_))};
}

std::unique_ptr<CTrayIcon> SdlHost::CreateTrayIcon() {
    return std::make_unique<XEmbedTrayIcon>(weak_from_this());
}

SDL_Window* SdlHost::GetSdlWindow(HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window != nullptr ? window->native->Get() : nullptr;
}

void SdlHost::SetForeignHandler(Uint32 windowId, std::function<void(const SDL_Event&)> handler) {
    if (handler) {
        foreign_[windowId] = std::move(handler);
    } else {
        foreign_.erase(windowId);
    }
}

Point SdlHost::ToLogical(int x, int y) const {
    return {static_cast<int>(std::floor(x / scale_)), static_cast<int>(std::floor(y / scale_))};
}

void SdlHost::HandleEvent(const SDL_Event& event) {
    Uint32 windowId = 0;
    switch (event.type) {
        case SDL_WINDOWEVENT:
            windowId = event.window.windowID;
            break;
        case SDL_MOUSEMOTION:
            windowId = event.motion.windowID;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            windowId = event.button.windowID;
            break;
        case SDL_MOUSEWHEEL:
            windowId = event.wheel.windowID;
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            OnKey(event.key);
            return;
        case SDL_TEXTINPUT:
            OnText(event.text.text);
            return;
        default:
            return;
    }
    if (auto foreign = foreign_.find(windowId); foreign != foreign_.end()) {
        auto handler = foreign->second;  // the handler may unregister itself
        handler(event);
        return;
    }
    if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT && drag_) {
        EndDrag(drag_->hwnd);  // wherever the button comes up, the drag is over
        return;
    }
    if (event.type == SDL_MOUSEMOTION && drag_) {
        if (Window* dragged = Find(drag_->hwnd)) {
            OnMouseMotion(*dragged, event.motion);
        }
        return;
    }
    Window* window = FindBySdlId(windowId);
    if (window == nullptr) {
        return;
    }
    if (event.type != SDL_WINDOWEVENT && !AcceptsInput(*window)) {
        // The dialog that holds the input comes forward instead.
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            if (Window* modal = Find(modal_.back())) {
                Activate(*modal);
            }
        }
        return;
    }
    switch (event.type) {
        case SDL_WINDOWEVENT:
            OnWindowEvent(*window, event.window);
            break;
        case SDL_MOUSEMOTION:
            OnMouseMotion(*window, event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            OnMouseButton(*window, event.button);
            break;
        case SDL_MOUSEWHEEL: {
            int x = 0;
            int y = 0;
            SDL_GetMouseState(&x, &y);
            int delta = (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1) * event.wheel.y *
                        kWheelDelta;
            m::PostMessage(window->hwnd, m::WM_MOUSEWHEEL,
                           static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16,
                           PointParam(ToLogical(x, y)));
            break;
        }
        default:
            break;
    }
}

void SdlHost::OnWindowEvent(Window& window, const SDL_WindowEvent& event) {
    HWND hwnd = window.hwnd;
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            window.native->Present();
            break;
        case SDL_WINDOWEVENT_MOVED: {
            // The window manager moved it (or echoes our own move).
            Rect rect = state_.GetWindowRect(hwnd);
            Point origin = ToLogical(event.data1, event.data2);
            state_.SetWindowRect(hwnd,
                                 Rect::FromSize(origin.x, origin.y, rect.Width(), rect.Height()));
            break;
        }
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            Rect rect = state_.GetWindowRect(hwnd);
            Point size = ToLogical(event.data1, event.data2);
            state_.SetWindowRect(hwnd, Rect::FromSize(rect.left, rect.top, size.x, size.y));
            break;
        }
        case SDL_WINDOWEVENT_MINIMIZED:
            if (!state_.IsIconic(hwnd)) {
                state_.ShowWindow(hwnd, SW_MINIMIZE);
            }
            DropToolTip(window);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            if (state_.IsIconic(hwnd)) {
                state_.ShowWindow(hwnd, SW_RESTORE);
            }
            break;
        case SDL_WINDOWEVENT_LEAVE:
            m::PostMessage(hwnd, m::WM_MOUSELEAVE, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (window.native->GetKind() != WindowKind::kMenu) {
                active_ = hwnd;
                m::PostMessage(hwnd, m::WM_ACTIVATE, 1, 0);
            }
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            m::PostMessage(hwnd, m::WM_ACTIVATE, m::WA_INACTIVE, 0);
            checkMenus_ = true;  // if no window of ours has the focus now, menus go
            break;
        case SDL_WINDOWEVENT_CLOSE:
            m::PostMessage(hwnd, m::WM_SYSCOMMAND, m::SC_CLOSE, 0);
            break;
        default:
            break;
    }
}

void SdlHost::EndDrag(HWND hwnd) {
    if (drag_ && drag_->hwnd == hwnd) {
        SDL_CaptureMouse(SDL_FALSE);
        drag_.reset();
    }
}

bool SdlHost::InCaption(Window& window, Point point) const {
    CPaintManagerUI* manager = window.native->GetManager();
    if (manager == nullptr || state_.IsZoomed(window.hwnd)) {
        return false;
    }
    const Rect& caption = manager->GetCaptionRect();
    Size client = manager->GetClientSize();
    bool inside = point.x >= caption.left && point.x < client.cx - caption.right &&
                  point.y >= caption.top && point.y < caption.bottom;
    if (!inside) {
        return false;
    }
    // Controls that react to the pointer keep it; bare caption areas drag the window.
    CControlUI* control = manager->FindControl(point);
    if (control == nullptr) {
        return false;
    }
    std::string_view kind = control->GetClass();
    return kind != "ButtonUI" && kind != "OptionUI" && kind != "TextUI";
}

void SdlHost::CloseMenusExcept(HWND keep) {
    for (auto& [hwnd, window] : windows_) {
        if (hwnd != keep && window.native->GetKind() == WindowKind::kMenu) {
            m::PostMessage(hwnd, m::WM_KILLFOCUS, 0, 0);
        }
    }
}

void SdlHost::OnMouseButton(Window& window, const SDL_MouseButtonEvent& event) {
    HWND hwnd = window.hwnd;
    Point point = ToLogical(event.x, event.y);
    bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (down) {
        CloseMenusExcept(window.native->GetKind() == WindowKind::kMenu ? hwnd : HWND());
        if (window.native->GetKind() != WindowKind::kMenu && active_ != hwnd) {
            Activate(window);
        }
    }
    if (event.button == SDL_BUTTON_LEFT) {
        if (down && event.clicks == 2) {
            m::PostMessage(hwnd, m::WM_LBUTTONDBLCLK, 0, PointParam(point));
        } else if (down && InCaption(window, point)) {
            Rect rect = state_.GetWindowRect(hwnd);
            Point pointer = GetCursorPos();
            drag_ = Drag{hwnd, {pointer.x - rect.left, pointer.y - rect.top}};
            SDL_CaptureMouse(SDL_TRUE);
        } else {
            m::PostMessage(hwnd, down ? m::WM_LBUTTONDOWN : m::WM_LBUTTONUP, 0, PointParam(point));
        }
    } else if (event.button == SDL_BUTTON_RIGHT) {
        m::PostMessage(hwnd, down ? m::WM_RBUTTONDOWN : m::WM_RBUTTONUP, 0, PointParam(point));
    }
}

void SdlHost::OnMouseMotion(Window& window, const SDL_MouseMotionEvent& event) {
    if (drag_ && drag_->hwnd == window.hwnd) {
        Rect rect = state_.GetWindowRect(window.hwnd);
        Point pointer = GetCursorPos();
        SetWindowRect(window.hwnd,
                      Rect::FromSize(pointer.x - drag_->grab.x, pointer.y - drag_->grab.y,
                                     rect.Width(), rect.Height()));
        return;
    }
    m::PostMessage(window.hwnd, m::WM_MOUSEMOVE, 0, PointParam(ToLogical(event.x, event.y)));
}

SdlHost::Window* SdlHost::KeyboardTarget() {
    // An open menu takes the keys, like a menu loop does.
    for (auto& [hwnd, window] : windows_) {
        if (window.native->GetKind() == WindowKind::kMenu && state_.IsWindowVisible(hwnd)) {
            return &window;
        }
    }
    Window* active = Find(active_);
    if (active != nullptr && !AcceptsInput(*active)) {
        return Find(modal_.back());
    }
    return active;
}

void SdlHost::OnKey(const SDL_KeyboardEvent& event) {
    std::optional<platform::input::KeyEvent> key = KeyEventFromSdl(event);
    if (!key) {
        return;
    }
    // Installed hooks see every key first and may keep it from the windows.
    if (platform::input::DispatchKeyEvent(*key)) {
        return;
    }
    Window* window = KeyboardTarget();
    if (window == nullptr) {
        return;
    }
    HWND hwnd = window->hwnd;
    LPARAM keyData = (static_cast<LPARAM>(key->scanCode) << 16) |
                     (key->IsExtended() ? (LPARAM{1} << 24) : 0) |
                     (key->IsPress() ? 1 : (LPARAM{3} << 30) | 1);
    uint32_t vk = WindowVirtualKey(key->virtualKey);
    UINT message = key->message;
    if (!key->IsPress()) {
        m::PostMessage(hwnd, message, vk, keyData);
        return;
    }
    bool ctrl = (event.keysym.mod & KMOD_CTRL) != 0;
    bool shift = (event.keysym.mod & KMOD_SHIFT) != 0;
    bool menu = window->native->GetKind() == WindowKind::kMenu;
    CPaintManagerUI* manager = window->native->GetManager();
    // Served in turn with the window's other messages; dropped if the window goes first.
    m::PostTask(hwnd, [=] {
        if (manager != nullptr) {
            manager->DismissToolTip();
            if (HandleHostKey(*manager, hwnd, vk, ctrl, shift, menu)) {
                return;
            }
        }
        m::SendMessage(hwnd, message, vk, keyData);
    });
}

void SdlHost::OnText(const char* utf8) {
    if (Window* window = KeyboardTarget()) {
        PostCodePoints(window->hwnd, utf8);
    }
}

void SdlHost::SyncTextInput() {
    if (checkMenus_) {
        checkMenus_ = false;
        if (SDL_GetKeyboardFocus() == nullptr) {
            CloseMenusExcept(HWND());  // the user went to another program
        }
    }
    Window* window = Find(active_);
    CPaintManagerUI* manager = window != nullptr ? window->native->GetManager() : nullptr;
    CControlUI* focus = manager != nullptr ? manager->GetFocus() : nullptr;
    bool wanted = focus != nullptr && focus->GetClass() == "EditUI" && focus->IsEnabled();
    if (wanted) {
        // The input method shows its candidates next to the edit.
        const Rect& pos = focus->GetPos();
        SDL_Rect area{static_cast<int>(pos.left * scale_), static_cast<int>(pos.top * scale_),
                      static_cast<int>(pos.Width() * scale_),
                      static_cast<int>(pos.Height() * scale_)};
        if (!SDL_RectEquals(&area, &textInputRect_)) {
            textInputRect_ = area;
            SDL_SetTextInputRect(&area);
        }
    }
    if (wanted != textInputOn_) {
        textInputOn_ = wanted;
        if (wanted) {
            SDL_StartTextInput();
        } else {
            SDL_StopTextInput();
        }
    }
}

}  // namespace toolkit::sdl
