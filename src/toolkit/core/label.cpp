#include "toolkit/core/label.h"

#include "toolkit/core/container.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

void CLabelUI::SetTextColor(Color color) {
    textColor_ = color;
    Invalidate();
}

void CLabelUI::SetFont(int index) {
    font_ = index;
    Invalidate();
}

void CLabelUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "textcolor") {
        SetTextColor(ParseColorValue(value));
    } else if (name == "disabledtextcolor") {
        SetDisabledTextColor(ParseColorValue(value));
    } else if (name == "font") {
        SetFont(ParseInt(value));
    } else if (name == "textpadding") {
        textPadding_ = ParseRect(value);
    } else if (name == "align") {
        hAlign_ = ParseHAlign(value);
    } else if (name == "valign") {
        vAlign_ = value == "top"      ? render::VAlign::kTop
                  : value == "bottom" ? render::VAlign::kBottom
                                      : render::VAlign::kCenter;
    } else if (name == "endellipsis") {
        endEllipsis_ = ParseBool(value);
    } else if (name == "multiline") {
        multiLine_ = ParseBool(value);
    } else if (name == "showhtml" || name == "autocalcwidth") {
        // Markup is always stripped and labels keep their given width.
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

render::TextStyle CLabelUI::BaseTextStyle(Color color) const {
    render::TextStyle style =
        GetManager() != nullptr ? GetManager()->GetFont(font_) : render::TextStyle{};
    style.color = color;
    style.h_align = hAlign_;
    style.v_align = vAlign_;
    style.end_ellipsis = endEllipsis_;
    style.single_line = !multiLine_;
    return style;
}

render::TextStyle CLabelUI::TextStyleNow() const {
    return BaseTextStyle(IsEnabled() ? textColor_ : disabledTextColor_);
}

void CLabelUI::PaintText(Canvas& canvas) {
    std::string text = PaintedText();
    if (text.empty()) {
        return;
    }
    const Rect& pad = textPadding_;
    canvas.DrawText(GetPos().Deflate(pad.left, pad.top, pad.right, pad.bottom), text,
                    TextStyleNow());
}

CTextUI::CTextUI() {
    SetAttribute("multiline", "true");
}

std::string CTextUI::PaintedText() const {
    std::string shown;
    std::string text = GetText();
    bool inTag = false;
    for (char c : text) {
        if (c == '{') {
            inTag = true;
        } else if (c == '}' && inTag) {
            inTag = false;
        } else if (!inTag) {
            shown.push_back(c);
        }
    }
    return shown;
}

void CButtonUI::SetNormalImage(std::string image) {
    normalImage_ = std::move(image);
    Invalidate();
}

void CButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "normalimage") {
        SetNormalImage(std::string(value));
    } else if (name == "hotimage") {
        hotImage_ = value;
    } else if (name == "pushedimage") {
        pushedImage_ = value;
    } else if (name == "focusedimage") {
        focusedImage_ = value;
    } else if (name == "disabledimage") {
        disabledImage_ = value;
    } else if (name == "hottextcolor") {
        hotTextColor_ = ParseColorValue(value);
    } else if (name == "pushedtextcolor") {
        pushedTextColor_ = ParseColorValue(value);
    } else {
        CLabelUI::SetAttribute(name, value);
    }
}

void CButtonUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kButtonDown:
        case UIEventType::kDblClick:
            if (IsEnabled()) {
                pushed_ = true;
                Invalidate();
            }
            return;
        case UIEventType::kButtonUp:
            if (pushed_) {
                pushed_ = false;
                Invalidate();
                if (GetPos().Contains(event.mouse)) {
                    Activate();
                }
            }
            return;
        case UIEventType::kKillFocus:
            pushed_ = false;
            break;
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    return SendNotify(notify::kClick);
}

void CButtonUI::PaintStatusImage(Canvas& canvas) {
    const std::string* state = nullptr;
    if (!IsEnabled()) {
        state = &disabledImage_;
    } else if (pushed_) {
        state = &pushedImage_;
    } else if (IsHot()) {
        state = &hotImage_;
    } else if (IsFocused()) {
        state = &focusedImage_;
    }
    if (state == nullptr || !DrawImage(canvas, *state)) {
        DrawImage(canvas, normalImage_);
    }
}

render::TextStyle CButtonUI::TextStyleNow() const {
    if (IsEnabled() && pushed_ && pushedTextColor_ != 0) {
        return BaseTextStyle(pushedTextColor_);
    }
    if (IsEnabled() && IsHot() && hotTextColor_ != 0) {
        return BaseTextStyle(hotTextColor_);
    }
    return CLabelUI::TextStyleNow();
}

bool COptionUI::Selected(bool selected, bool sendEvent) {
    if (selected_ == selected) {
        return true;
    }
    selected_ = selected;
    CPaintManagerUI* manager = GetManager();
    if (selected && !group_.empty() && manager != nullptr && manager->GetRoot() != nullptr) {
        std::vector<COptionUI*> peers;
        manager->GetRoot()->ForEach([&](CControlUI& control) {
            auto* option = dynamic_cast<COptionUI*>(&control);
            if (option != nullptr && option != this && option->selected_ &&
                option->group_ == group_) {
                peers.push_back(option);
            }
        });
        for (COptionUI* peer : peers) {
            peer->Selected(false, false);
        }
    }
    if (selected && boundTabIndex_ >= 0 && manager != nullptr) {
        if (auto* tabs = dynamic_cast<CTabLayoutUI*>(manager->FindControl(boundTabLayout_))) {
            tabs->SelectItem(boundTabIndex_);
        }
    }
    Invalidate();
    return sendEvent ? SendNotify(notify::kSelectChanged) : true;
}

void COptionUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "group") {
        SetGroup(std::string(value));
    } else if (name == "selected") {
        Selected(ParseBool(value), false);
    } else if (name == "selectedimage") {
        selectedImage_ = value;
    } else if (name == "selectedhotimage") {
        selectedHotImage_ = value;
    } else if (name == "selectedtextcolor") {
        selectedTextColor_ = ParseColorValue(value);
    } else if (name == "bindtablayoutname") {
        boundTabLayout_ = value;
    } else if (name == "bindtabindex") {
        boundTabIndex_ = ParseInt(value);
    } else {
        CButtonUI::SetAttribute(name, value);
    }
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) {
        return false;
    }
    // A grouped option stays selected when clicked again; a lone one toggles.
    return Selected(group_.empty() ? !selected_ : true);
}

void COptionUI::PaintStatusImage(Canvas& canvas) {
    if (selected_ && IsEnabled()) {
        if ((IsHot() && DrawImage(canvas, selectedHotImage_)) ||
            DrawImage(canvas, selectedImage_)) {
            return;
        }
    }
    CButtonUI::PaintStatusImage(canvas);
}

render::TextStyle COptionUI::TextStyleNow() const {
    if (selected_ && IsEnabled() && selectedTextColor_ != 0) {
        return BaseTextStyle(selectedTextColor_);
    }
    return CButtonUI::TextStyleNow();
}

}  // namespace toolkit
