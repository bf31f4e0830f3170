#include "toolkit/core/control.h"

#include <algorithm>

#include "platform/sys/debug_output.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (manager_ != nullptr) {
        manager_->UnregisterControl(this);
    }
}

void CControlUI::SetName(std::string name) {
    if (manager_ != nullptr) {
        manager_->UnregisterControl(this);
    }
    name_ = std::move(name);
    if (manager_ != nullptr) {
        manager_->RegisterControl(this);
    }
}

std::string CControlUI::GetText() const {
    return resourceText_ ? CResourceManager::GetInstance().GetText(text_) : text_;
}

void CControlUI::SetText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    Invalidate();
}

void CControlUI::SetResourceText(bool on) {
    resourceText_ = on;
    Invalidate();
    ToolTipChanged();
}

std::string CControlUI::GetToolTip() const {
    return resourceText_ || resourceToolTip_ ? CResourceManager::GetInstance().GetText(toolTip_)
                                             : toolTip_;
}

void CControlUI::SetToolTip(std::string tip) {
    if (tip == toolTip_) {
        return;
    }
    toolTip_ = std::move(tip);
    ToolTipChanged();
}

void CControlUI::ToolTipChanged() {
    if (manager_ != nullptr) {
        manager_->ToolTipChanged(this);
    }
}

void CControlUI::SetResourceToolTip(bool on) {
    resourceToolTip_ = on;
    ToolTipChanged();
}

void CControlUI::SetVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    bool wasVisible = IsVisible();
    visible_ = visible;
    if (wasVisible != IsVisible()) {
        NeedParentUpdate();
    }
    DropFocusIfHidden();
}

void CControlUI::DropFocusIfHidden() {
    // A hidden control cannot keep the keyboard.
    if (!IsVisible() && manager_ != nullptr && manager_->GetFocus() == this) {
        manager_->SetFocus(nullptr);
    }
}

void CControlUI::SetInternVisible(bool visible) {
    internVisible_ = visible;
    DropFocusIfHidden();
}

void CControlUI::SetEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    Invalidate();
}

void CControlUI::SetFocus() {
    if (manager_ != nullptr) {
        manager_->SetFocus(this);
    }
}

void CControlUI::SetPos(const Rect& rect, bool needInvalidate) {
    if (needInvalidate) {
        Invalidate();
    }
    pos_ = rect;
    if (float_ && parent_ != nullptr) {
        const Rect& origin = parent_->GetPos();
        floatPos_ = rect.Offset(-origin.left, -origin.top);
    }
    if (needInvalidate) {
        Invalidate();
    }
}

void CControlUI::SetFixedWidth(int width) {
    fixedWidth_ = width;
    NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int height) {
    fixedHeight_ = height;
    NeedParentUpdate();
}

void CControlUI::SetBkColor(Color color) {
    bkColor_ = color;
    Invalidate();
}

void CControlUI::SetBkImage(std::string image) {
    bkImage_ = std::move(image);
    Invalidate();
}

void CControlUI::SetForeColor(Color color) {
    foreColor_ = color;
    Invalidate();
}

void CControlUI::SetForeImage(std::string image) {
    foreImage_ = std::move(image);
    Invalidate();
}

void CControlUI::SetBorderColor(Color color) {
    borderColor_ = color;
    Invalidate();
}

void CControlUI::SetBorderSize(int size) {
    borderSize_ = size;
    Invalidate();
}

void CControlUI::SetIsChangerColor(bool on) {
    changerOn_.store(on, std::memory_order_relaxed);
}

void CControlUI::SetChangerColor(uint32_t packed) {
    changerColor_.store(packed & 0x00FFFFFFu, std::memory_order_relaxed);
}

void CControlUI::SetChangerAlpha(int alpha) {
    changerAlpha_.store(static_cast<uint8_t>(std::clamp(alpha, 0, 255)), std::memory_order_relaxed);
}

void CControlUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "name") {
        SetName(std::string(value));
    } else if (name == "text") {
        SetText(std::string(value));
    } else if (name == "resourcetext") {
        SetResourceText(ParseBool(value));
    } else if (name == "tooltip") {
        SetToolTip(std::string(value));
    } else if (name == "resourcetooltip") {
        SetResourceToolTip(ParseBool(value));
    } else if (name == "userdata") {
        SetUserData(std::string(value));
    } else if (name == "tag") {
        SetTag(static_cast<uintptr_t>(ParseInt(value)));
    } else if (name == "pos") {
        Rect rect = ParseRect(value);
        floatPos_ = rect;
        if (rect.Width() > 0) {
            fixedWidth_ = rect.Width();
        }
        if (rect.Height() > 0) {
            fixedHeight_ = rect.Height();
        }
        NeedParentUpdate();
    } else if (name == "float") {
        float_ = ParseBool(value);
        NeedParentUpdate();
    } else if (name == "width") {
        SetFixedWidth(ParseInt(value));
    } else if (name == "height") {
        SetFixedHeight(ParseInt(value));
    } else if (name == "padding") {
        padding_ = ParseRect(value);
        NeedParentUpdate();
    } else if (name == "bkcolor") {
        SetBkColor(ParseColorValue(value));
    } else if (name == "bkimage") {
        SetBkImage(std::string(value));
    } else if (name == "forecolor") {
        SetForeColor(ParseColorValue(value));
    } else if (name == "foreimage") {
        SetForeImage(std::string(value));
    } else if (name == "bordercolor") {
        SetBorderColor(ParseColorValue(value));
    } else if (name == "bordersize") {
        SetBorderSize(ParseInt(value));
    } else if (name == "borderround") {
        borderRound_ = ParseInt(value);
    } else if (name == "visible") {
        SetVisible(ParseBool(value));
    } else if (name == "enabled") {
        SetEnabled(ParseBool(value));
    } else if (name == "mouse") {
        SetMouseEnabled(ParseBool(value));
    } else if (name == "virtualwnd") {
        virtualWnd_ = std::string(value);
    } else if (name == "style") {
        ApplyStyle(value);
    } else if (name == "changercolor") {
        SetIsChangerColor(ParseBool(value));
    } else {
        platform::sys::OutputDebugString("unknown attribute " + std::string(name) + " on " +
                                         std::string(GetClass()));
    }
}

void CControlUI::ApplyStyle(std::string_view styleName) {
    const auto* attributes = manager_ != nullptr ? manager_->GetStyle(styleName)
                                                 : CPaintManagerUI::GetSharedStyle(styleName);
    if (attributes == nullptr) {
        platform::sys::OutputDebugString("unknown style " + std::string(styleName));
        return;
    }
    for (const auto& [name, value] : *attributes) {
        SetAttribute(name, value);
    }
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    if (manager_ != nullptr && manager_ != manager) {
        manager_->UnregisterControl(this);
    }
    parent_ = parent;
    if (manager_ == manager) {
        return;
    }
    manager_ = manager;
    if (manager_ != nullptr) {
        manager_->RegisterControl(this);
        if (init) {
            DoInit();
        }
    }
}

CControlUI* CControlUI::FindControlAt(Point point) {
    if (!IsVisible() || !mouseEnabled_ || !pos_.Contains(point)) {
        return nullptr;
    }
    return this;
}

void CControlUI::ForEach(const std::function<void(CControlUI&)>& visit) {
    visit(*this);
}

void CControlUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kSetFocus:
            focused_ = true;
            Invalidate();
            return;
        case UIEventType::kKillFocus:
            focused_ = false;
            Invalidate();
            return;
        case UIEventType::kMouseEnter:
            SetHot(true);
            SendNotify(notify::kMouseEnter);
            return;
        case UIEventType::kMouseLeave:
            SetHot(false);
            SendNotify(notify::kMouseLeave);
            return;
        default:
            break;
    }
    if (parent_ != nullptr) {
        parent_->DoEvent(event);
    }
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

void CControlUI::SetHot(bool hot) {
    if (hot_ != hot) {
        hot_ = hot;
        Invalidate();
    }
}

void CControlUI::Invalidate() {
    if (manager_ != nullptr && IsVisible()) {
        manager_->Invalidate(pos_);
    }
}

void CControlUI::NeedUpdate() {
    if (manager_ != nullptr) {
        manager_->NeedUpdate();
        Invalidate();
    }
}

void CControlUI::NeedParentUpdate() {
    if (parent_ != nullptr) {
        parent_->NeedUpdate();
    } else {
        NeedUpdate();
    }
}

bool CControlUI::SendNotify(std::string_view type, WPARAM wParam, LPARAM lParam) {
    CPaintManagerUI* manager = manager_;
    if (manager == nullptr) {
        return true;
    }
    // Keeps this control allocated even if a handler removes it, so the check below is safe.
    CPaintManagerUI::ScopedDispatch scope(*manager);
    manager->SendNotify(this, type, wParam, lParam);
    return manager_ == manager;
}

void CControlUI::DoPaint(Canvas& canvas, const Rect& dirty) {
    Rect area = pos_.Intersect(dirty);
    if (area.IsEmpty()) {
        return;
    }
    canvas.PushClip(area);
    PaintBkColor(canvas);
    PaintBkImage(canvas);
    PaintStatusImage(canvas);
    PaintForeColor(canvas);
    PaintForeImage(canvas);
    PaintText(canvas);
    PaintBorder(canvas);
    canvas.PopClip();
}

void CControlUI::PaintBkColor(Canvas& canvas) {
    if (render::AlphaOf(bkColor_) == 0) {
        return;
    }
    if (borderRound_ > 0) {
        canvas.FillRoundRect(pos_, borderRound_, bkColor_);
    } else {
        canvas.FillRect(pos_, bkColor_);
    }
}

void CControlUI::PaintBkImage(Canvas& canvas) {
    DrawImage(canvas, bkImage_);
}

void CControlUI::PaintStatusImage(Canvas& /*canvas*/) {}

void CControlUI::PaintForeColor(Canvas& canvas) {
    if (render::AlphaOf(foreColor_) != 0) {
        canvas.FillRect(pos_, foreColor_);
    }
}

void CControlUI::PaintForeImage(Canvas& canvas) {
    DrawImage(canvas, foreImage_);
}

void CControlUI::PaintText(Canvas& /*canvas*/) {}

void CControlUI::PaintBorder(Canvas& canvas) {
    if (borderSize_ > 0 && render::AlphaOf(borderColor_) != 0) {
        canvas.DrawBorder(pos_, borderSize_, borderColor_, borderRound_);
    }
}

bool CControlUI::DrawImage(Canvas& canvas, std::string_view image) {
    if (image.empty()) {
        return false;
    }
    if (IsChangerColor()) {
        canvas.DrawImage(image, pos_,
                         render::ChangerTint::FromPacked(GetChangerColor(), GetChangerAlpha()));
    } else {
        canvas.DrawImage(image, pos_);
    }
    return true;
}

}  // namespace toolkit
