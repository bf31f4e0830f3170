#include "toolkit/core/paint_manager.h"

#include <algorithm>

#include "platform/msg/message_loop.h"
#include "platform/msg/messages.h"
#include "platform/msg/post.h"
#include "toolkit/core/resource_manager.h"

namespace toolkit {

namespace {

using AttributeList = std::vector<std::pair<std::string, std::string>>;

struct ProcessSettings {
    std::string instancePath;
    int dpiAwareness = 0;
    std::map<std::string, AttributeList, std::less<>> sharedStyles;
};

ProcessSettings& Settings() {
    static ProcessSettings settings;
    return settings;
}

}  // namespace

CPaintManagerUI::ScopedDispatch::ScopedDispatch(CPaintManagerUI& manager) : manager_(manager) {
    ++manager_.dispatchDepth_;
}

CPaintManagerUI::ScopedDispatch::~ScopedDispatch() {
    if (--manager_.dispatchDepth_ == 0) {
        manager_.ReapReleased();
    }
}

CPaintManagerUI::CPaintManagerUI() {
    reloadToken_ = CResourceManager::GetInstance().AddReloadListener([this] {
        Invalidate();
        toolTip_.TextChanged(nullptr);
    });
}

CPaintManagerUI::~CPaintManagerUI() {
    CResourceManager::GetInstance().RemoveReloadListener(reloadToken_);
    DetachDialog();
}

void CPaintManagerUI::SetInstance(std::string instancePath) {
    if (!instancePath.empty() && instancePath.back() != '/') {
        instancePath.push_back('/');
    }
    Settings().instancePath = std::move(instancePath);
}

const std::string& CPaintManagerUI::GetInstancePath() {
    return Settings().instancePath;
}

void CPaintManagerUI::SetResourcePath(std::string path) {
    CResourceManager::GetInstance().SetResourcePath(std::move(path));
}

const std::string& CPaintManagerUI::GetResourcePath() {
    return CResourceManager::GetInstance().GetResourcePath();
}

void CPaintManagerUI::SetResourceType(int /*type*/) {}

int CPaintManagerUI::MessageLoop() {
    return platform::msg::RunMessageLoop();
}

void CPaintManagerUI::SetDPIAwareness(int awareness) {
    Settings().dpiAwareness = awareness;
}

int CPaintManagerUI::GetDPIAwareness() {
    return Settings().dpiAwareness;
}

void CPaintManagerUI::Init(HWND hwnd, std::string name) {
    hwnd_ = hwnd;
    name_ = std::move(name);
    toolTip_.SetWindow(hwnd);
}

bool CPaintManagerUI::AttachDialog(std::unique_ptr<CControlUI> root) {
    if (root == nullptr) {
        return false;
    }
    DetachDialog();
    root_ = std::move(root);
    root_->SetManager(this, nullptr, true);
    needLayout_ = true;
    Invalidate();
    return true;
}

void CPaintManagerUI::DetachDialog() {
    if (root_ == nullptr) {
        return;
    }
    std::unique_ptr<CControlUI> root = std::move(root_);
    root->SetManager(nullptr, nullptr, false);
    ReleaseControl(std::move(root));
}

CControlUI* CPaintManagerUI::FindControl(std::string_view name) const {
    auto found = names_.find(name);
    return found != names_.end() ? found->second : nullptr;
}

CControlUI* CPaintManagerUI::FindControl(Point point) {
    UpdateLayout();
    if (popup_ != nullptr) {
        if (CControlUI* hit = popup_->FindControlAt(point)) {
            return hit;
        }
    }
    return root_ != nullptr ? root_->FindControlAt(point) : nullptr;
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* parent, std::string_view name) {
    CControlUI* found = nullptr;
    if (parent != nullptr) {
        parent->ForEach([&](CControlUI& control) {
            if (found == nullptr && control.GetName() == name) {
                found = &control;
            }
        });
    }
    return found;
}

void CPaintManagerUI::RegisterControl(CControlUI* control) {
    if (!control->GetName().empty()) {
        names_.emplace(control->GetName(), control);
    }
}

void CPaintManagerUI::UnregisterControl(CControlUI* control) {
    auto [first, last] = names_.equal_range(control->GetName());
    for (auto it = first; it != last; ++it) {
        if (it->second == control) {
            names_.erase(it);
            break;
        }
    }
    std::erase_if(posted_, [control](const auto& entry) { return entry.first == control; });
    toolTip_.Forget(control);
    for (CControlUI** slot : {&focus_, &hover_, &pressed_, &popup_}) {
        if (*slot == control) {
            *slot = nullptr;
        }
    }
}

void CPaintManagerUI::ReleaseControl(std::unique_ptr<CControlUI> control) {
    if (dispatchDepth_ > 0) {
        released_.push_back(std::move(control));
    }
}

void CPaintManagerUI::ReapReleased() {
    while (!released_.empty()) {
        auto released = std::move(released_);
        released_.clear();
    }
}

void CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
    if (notifier != nullptr &&
        std::find(notifiers_.begin(), notifiers_.end(), notifier) == notifiers_.end()) {
        notifiers_.push_back(notifier);
    }
}

void CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
    std::erase(notifiers_, notifier);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, std::string_view type, WPARAM wParam,
                                 LPARAM lParam) {
    TNotifyUI msg;
    msg.type = type;
    msg.sender = sender;
    msg.wParam = wParam;
    msg.lParam = lParam;
    for (CControlUI* c = sender; c != nullptr && msg.virtualWnd.empty(); c = c->GetParent()) {
        msg.virtualWnd = c->GetVirtualWnd();
    }
    SendNotify(msg);
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg) {
    if (!windowInitSent_ && msg.type != notify::kWindowInit) {
        SendWindowInit();
    }
    ScopedDispatch scope(*this);
    const std::vector<INotifyUI*> snapshot = notifiers_;
    for (INotifyUI* notifier : snapshot) {
        if (msg.sender != nullptr && msg.sender->GetManager() != this) {
            break;  // the sender left the window: nobody can act on it any more
        }
        if (std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end()) {
            notifier->Notify(msg);
        }
    }
}

void CPaintManagerUI::PostNotify(CControlUI* sender, std::string_view type) {
    if (posted_.empty() && hwnd_) {
        platform::msg::PostTask(hwnd_, [this] { FlushPostedNotifies(); });
    }
    posted_.emplace_back(sender, type);
}

void CPaintManagerUI::FlushPostedNotifies() {
    while (!posted_.empty()) {
        auto [sender, type] = posted_.front();
        posted_.erase(posted_.begin());
        SendNotify(sender, type);
    }
}

void CPaintManagerUI::SendWindowInit() {
    if (windowInitSent_) {
        return;
    }
    windowInitSent_ = true;
    UpdateLayout();
    TNotifyUI msg;
    msg.type = notify::kWindowInit;
    msg.sender = root_.get();
    SendNotify(msg);
}

void CPaintManagerUI::SetFocus(CControlUI* control) {
    if (control == focus_) {
        return;
    }
    ScopedDispatch scope(*this);
    CControlUI* old = focus_;
    focus_ = control;
    if (old != nullptr) {
        TEventUI event = MakeEvent(UIEventType::kKillFocus, {});
        Deliver(old, event);
        if (old->GetManager() == this) {
            SendNotify(old, notify::kKillFocus);
        }
    }
    if (focus_ == control && control != nullptr && control->GetManager() == this) {
        TEventUI event = MakeEvent(UIEventType::kSetFocus, {});
        Deliver(control, event);
        if (control->GetManager() == this) {
            SendNotify(control, notify::kSetFocus);
        }
    }
}

void CPaintManagerUI::Deliver(CControlUI* target, TEventUI& event) {
    if (target == nullptr) {
        return;
    }
    ScopedDispatch scope(*this);
    event.sender = target;
    target->DoEvent(event);
}

void CPaintManagerUI::SetHover(CControlUI* control, Point point) {
    if (control == hover_) {
        return;
    }
    CControlUI* old = hover_;
    hover_ = control;
    TEventUI leave = MakeEvent(UIEventType::kMouseLeave, point);
    Deliver(old, leave);
    if (hover_ == control) {
        TEventUI enter = MakeEvent(UIEventType::kMouseEnter, point);
        Deliver(control, enter);
    }
}

void CPaintManagerUI::OnMouseMove(Point point) {
    ScopedDispatch scope(*this);
    CControlUI* target = FindControl(point);
    SetHover(target, point);
    if (pressed_ == nullptr) {
        toolTip_.Track(hover_, point);  // none pops up while a button is held (a drag)
    }
    TEventUI move = MakeEvent(UIEventType::kMouseMove, point);
    Deliver(pressed_ != nullptr ? pressed_ : hover_, move);
}

void CPaintManagerUI::OnMouseLeaveWindow() {
    ScopedDispatch scope(*this);
    toolTip_.Reset();
    SetHover(nullptr, {});
}

void CPaintManagerUI::OnButtonDown(Point point) {
    ScopedDispatch scope(*this);
    CControlUI* target = FindControl(point);
    SetHover(target, point);
    toolTip_.Track(hover_, point);
    toolTip_.Dismiss();
    if (target == nullptr || target->GetManager() != this) {
        return;
    }
    pressed_ = target;
    // Focus moves before the press is seen, so that "killfocus" of an edit comes first.
    SetFocus(target);
    TEventUI down = MakeEvent(UIEventType::kButtonDown, point);
    Deliver(pressed_, down);
}

void CPaintManagerUI::OnButtonUp(Point point) {
    ScopedDispatch scope(*this);
    CControlUI* target = pressed_;
    pressed_ = nullptr;
    TEventUI up = MakeEvent(UIEventType::kButtonUp, point);
    Deliver(target, up);
}

void CPaintManagerUI::OnDoubleClick(Point point) {
    ScopedDispatch scope(*this);
    toolTip_.Dismiss();
    CControlUI* target = FindControl(point);
    pressed_ = target;
    TEventUI dbl = MakeEvent(UIEventType::kDblClick, point);
    Deliver(target, dbl);
}

void CPaintManagerUI::OnRButtonDown(Point point) {
    ScopedDispatch scope(*this);
    toolTip_.Dismiss();
    TEventUI down = MakeEvent(UIEventType::kRButtonDown, point);
    Deliver(FindControl(point), down);
}

void CPaintManagerUI::OnRButtonUp(Point point) {
    ScopedDispatch scope(*this);
    TEventUI menu = MakeEvent(UIEventType::kContextMenu, point);
    Deliver(FindControl(point), menu);
}

void CPaintManagerUI::OnMouseWheel(Point point, int delta) {
    ScopedDispatch scope(*this);
    toolTip_.Dismiss();
    TEventUI wheel = MakeEvent(UIEventType::kScrollWheel, point);
    wheel.wheelDelta = delta;
    Deliver(FindControl(point), wheel);
}

void CPaintManagerUI::OnKeyDown(uint32_t virtualKey) {
    toolTip_.Dismiss();
    TEventUI key = MakeEvent(UIEventType::kKeyDown, {});
    key.key = virtualKey;
    Deliver(focus_, key);
}

void CPaintManagerUI::OnChar(std::string utf8) {
    TEventUI typed = MakeEvent(UIEventType::kChar, {});
    typed.text = std::move(utf8);
    Deliver(focus_, typed);
}

void CPaintManagerUI::OnWindowKillFocus() {
    ScopedDispatch scope(*this);
    pressed_ = nullptr;
    SetFocus(nullptr);
}

bool CPaintManagerUI::OnTimer(platform::msg::UINT_PTR id) {
    if (id != kToolTipTimer) {
        return false;
    }
    toolTip_.OnTimer();
    return true;
}

namespace {

Point PointFromLParam(LPARAM lParam) {
    return {static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
}

}  // namespace

bool CPaintManagerUI::MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    namespace m = platform::msg;
    result = 0;
    Point point = PointFromLParam(lParam);
    switch (message) {
        case m::WM_MOUSEMOVE:
            OnMouseMove(point);
            return true;
        case m::WM_MOUSELEAVE:
            OnMouseLeaveWindow();
            return true;
        case m::WM_LBUTTONDOWN:
            OnButtonDown(point);
            return true;
        case m::WM_LBUTTONUP:
            OnButtonUp(point);
            return true;
        case m::WM_LBUTTONDBLCLK:
            OnDoubleClick(point);
            return true;
        case m::WM_RBUTTONDOWN:
            OnRButtonDown(point);
            return true;
        case m::WM_RBUTTONUP:
            OnRButtonUp(point);
            return true;
        case m::WM_MOUSEWHEEL:
            OnMouseWheel(point, static_cast<int16_t>((wParam >> 16) & 0xFFFF));
            return true;
        case m::WM_KEYDOWN:
            OnKeyDown(static_cast<uint32_t>(wParam));
            return true;
        case m::WM_CHAR: {
            // wParam carries one Unicode code point.
            std::string utf8;
            auto cp = static_cast<uint32_t>(wParam);
            if (cp < 0x80) {
                utf8.push_back(static_cast<char>(cp));
            } else if (cp < 0x800) {
                utf8.push_back(static_cast<char>(0xC0 | (cp >> 6)));
                utf8.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
            } else if (cp < 0x10000) {
                utf8.push_back(static_cast<char>(0xE0 | (cp >> 12)));
                utf8.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
                utf8.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
            } else {
                utf8.push_back(static_cast<char>(0xF0 | (cp >> 18)));
                utf8.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
                utf8.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
                utf8.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
            }
            OnChar(std::move(utf8));
            return true;
        }
        case m::WM_KILLFOCUS:
            OnWindowKillFocus();
            return false;
        case m::WM_TIMER:
            return OnTimer(wParam);
        default:
            return false;
    }
}

void CPaintManagerUI::Invalidate(const Rect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    invalid_ = invalid_.Union(rect);
    if (!paintPosted_ && hwnd_) {
        paintPosted_ = platform::msg::PostMessage(hwnd_, platform::msg::WM_PAINT, 0, 0);
    }
}

void CPaintManagerUI::Invalidate() {
    Invalidate(Rect::FromSize(0, 0, std::max(clientSize_.cx, 1), std::max(clientSize_.cy, 1)));
}

void CPaintManagerUI::UpdateLayout() {
    if (!needLayout_ || root_ == nullptr) {
        return;
    }
    needLayout_ = false;
    root_->SetPos(Rect::FromSize(0, 0, clientSize_.cx, clientSize_.cy), false);
    Invalidate();
}

void CPaintManagerUI::Paint(Canvas& canvas, const Rect* area) {
    UpdateLayout();
    Rect dirty = area != nullptr ? *area : invalid_;
    invalid_ = {};
    paintPosted_ = false;
    if (root_ == nullptr || dirty.IsEmpty()) {
        return;
    }
    root_->DoPaint(canvas, dirty);
    if (popup_ != nullptr) {
        popup_->DoPostPaint(canvas, dirty);
    }
}

void CPaintManagerUI::Validate() {
    UpdateLayout();
    invalid_ = {};
    paintPosted_ = false;
}

void CPaintManagerUI::SetClientSize(Size size) {
    if (size == clientSize_) {
        return;
    }
    clientSize_ = size;
    needLayout_ = true;
    Invalidate();
}

void CPaintManagerUI::AddStyle(std::string name, AttributeList attributes) {
    styles_[std::move(name)] = std::move(attributes);
}

const AttributeList* CPaintManagerUI::GetStyle(std::string_view name) const {
    auto found = styles_.find(name);
    return found != styles_.end() ? &found->second : GetSharedStyle(name);
}

void CPaintManagerUI::AddDefaultAttributes(std::string className, AttributeList attributes) {
    defaults_[std::move(className)] = std::move(attributes);
}

const AttributeList* CPaintManagerUI::GetDefaultAttributes(std::string_view className) const {
    auto found = defaults_.find(className);
    return found != defaults_.end() ? &found->second : nullptr;
}

void CPaintManagerUI::AddSharedStyle(std::string name, AttributeList attributes) {
    Settings().sharedStyles[std::move(name)] = std::move(attributes);
}

const AttributeList* CPaintManagerUI::GetSharedStyle(std::string_view name) {
    auto& shared = Settings().sharedStyles;
    auto found = shared.find(name);
    return found != shared.end() ? &found->second : nullptr;
}

void CPaintManagerUI::ClearSharedStyles() {
    Settings().sharedStyles.clear();
}

void CPaintManagerUI::AddFont(int id, render::TextStyle font) {
    fonts_[id] = std::move(font);
}

render::TextStyle CPaintManagerUI::GetFont(int id) const {
    auto found = fonts_.find(id);
    if (found != fonts_.end()) {
        return found->second;
    }
    found = fonts_.find(0);
    return found != fonts_.end() ? found->second : render::TextStyle{};
}

void CPaintManagerUI::SetDPI(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
}

void CPaintManagerUI::ResetDPIAssets() {
    needLayout_ = true;
    Invalidate();
}

}  // namespace toolkit
