#include "toolkit/core/edit.h"

#include "toolkit/core/notify.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

void CEditUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "maxchar") {
        SetMaxChar(ParseInt(value));
    } else if (name == "readonly") {
        SetReadOnly(ParseBool(value));
    } else if (name == "numberonly") {
        SetNumberOnly(ParseBool(value));
    } else if (name == "password") {
        SetPasswordMode(ParseBool(value));
    } else if (name == "normalimage") {
        normalImage_ = value;
    } else if (name == "focusedimage") {
        focusedImage_ = value;
    } else if (name == "disabledimage") {
        disabledImage_ = value;
    } else {
        CLabelUI::SetAttribute(name, value);
    }
}

bool CEditUI::Insert(std::string_view utf8) {
    std::string text = GetRawText();
    size_t count = CountCodePoints(text);
    size_t start = 0;
    bool changed = false;
    while (start < utf8.size() && count < static_cast<size_t>(maxChar_)) {
        size_t end = start + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        std::string_view codePoint = utf8.substr(start, end - start);
        start = end;
        bool control = codePoint.size() == 1 && static_cast<unsigned char>(codePoint[0]) < 0x20;
        bool digit = codePoint.size() == 1 && codePoint[0] >= '0' && codePoint[0] <= '9';
        if (control || (numberOnly_ && !digit)) {
            continue;
        }
        text.append(codePoint);
        ++count;
        changed = true;
    }
    if (changed) {
        SetText(std::move(text));
    }
    return changed;
}

void CEditUI::DoEvent(TEventUI& event) {
    bool editable = IsEnabled() && !readOnly_;
    switch (event.type) {
        case UIEventType::kChar:
            if (editable && Insert(event.text)) {
                SendNotify(notify::kTextChanged);
            }
            return;
        case UIEventType::kKeyDown:
            if (event.key == kVkBack && editable && !GetRawText().empty()) {
                std::string text = GetRawText();
                PopCodePoint(text);
                SetText(std::move(text));
                SendNotify(notify::kTextChanged);
            } else if (event.key == kVkReturn) {
                SendNotify(notify::kReturn);
            }
            return;
        case UIEventType::kButtonDown:
        case UIEventType::kButtonUp:
        case UIEventType::kDblClick:
            return;
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

void CEditUI::PaintStatusImage(Canvas& canvas) {
    if (!IsEnabled() && DrawImage(canvas, disabledImage_)) {
        return;
    }
    if (IsFocused() && DrawImage(canvas, focusedImage_)) {
        return;
    }
    DrawImage(canvas, normalImage_);
}

std::string CEditUI::PaintedText() const {
    if (!password_) {
        return GetText();
    }
    return std::string(CountCodePoints(GetRawText()), '*');
}

}  // namespace toolkit
