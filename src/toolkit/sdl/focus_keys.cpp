#include "toolkit/sdl/focus_keys.h"

#include <SDL.h>

#include <vector>

#include "toolkit/core/edit.h"
#include "toolkit/core/list.h"
#include "toolkit/core/notify.h"

namespace toolkit::sdl {

namespace {

constexpr uint32_t kVkInsert = 0x2D;
constexpr uint32_t kVkC = 0x43, kVkV = 0x56, kVkX = 0x58;

CEditUI* FocusedEdit(CPaintManagerUI& manager) {
    auto* edit = dynamic_cast<CEditUI*>(manager.GetFocus());
    return edit != nullptr && edit->IsEnabled() ? edit : nullptr;
}

}  // namespace

bool IsTabStop(const CControlUI& control) {
    static constexpr std::string_view kClasses[] = {"EditUI",     "ButtonUI", "OptionUI",
                                                    "CheckBoxUI", "SliderUI", "ListUI",
                                                    "ListExUI",   "ComboUI"};
    if (!control.IsVisible() || !control.IsEnabled() || !control.IsMouseEnabled()) {
        return false;
    }
    for (std::string_view name : kClasses) {
        if (control.GetClass() == name) {
            return true;
        }
    }
    return false;
}

CControlUI* NextTabStop(CPaintManagerUI& manager, bool backwards) {
    CControlUI* root = manager.GetRoot();
    if (root == nullptr) {
        return nullptr;
    }
    std::vector<CControlUI*> stops;
    root->ForEach([&](CControlUI& control) {
        if (IsTabStop(control)) {
            stops.push_back(&control);
        }
    });
    if (stops.empty()) {
        return nullptr;
    }
    const auto count = static_cast<int>(stops.size());
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (stops[i] == manager.GetFocus()) {
            current = i;
        }
    }
    if (current < 0) {
        return backwards ? stops.back() : stops.front();
    }
    return stops[(current + (backwards ? count - 1 : 1)) % count];
}

bool HandleEditClipboard(CPaintManagerUI& manager, uint32_t virtualKey, bool ctrl, bool shift) {
    bool paste = (ctrl && virtualKey == kVkV) || (shift && virtualKey == kVkInsert);
    bool copy = ctrl && (virtualKey == kVkC || virtualKey == kVkInsert);
    bool cut = ctrl && virtualKey == kVkX;
    if (!paste && !copy && !cut) {
        return false;
    }
    CEditUI* edit = FocusedEdit(manager);
    if (edit == nullptr) {
        return false;
    }
    if (paste) {
        if (char* text = SDL_GetClipboardText()) {
            std::string utf8 = text;
            SDL_free(text);
            if (!utf8.empty()) {
                manager.OnChar(std::move(utf8));  // same rules as typing: limits, digits only
            }
        }
        return true;
    }
    if (!edit->IsPasswordMode()) {
        SDL_SetClipboardText(edit->GetText().c_str());
    }
    if (cut && !edit->IsReadOnly() && !edit->IsPasswordMode() && !edit->GetRawText().empty()) {
        edit->SetText({});
        manager.SendNotify(edit, notify::kTextChanged);
    }
    return true;
}

bool ChooseMenuSelection(CPaintManagerUI& manager) {
    auto* list = dynamic_cast<CListUI*>(manager.GetRoot());
    CControlUI* row = list != nullptr ? list->GetElementAt(list->GetCurSel()) : nullptr;
    if (row == nullptr) {
        return false;
    }
    Point centre{(row->GetPos().left + row->GetPos().right) / 2,
                 (row->GetPos().top + row->GetPos().bottom) / 2};
    manager.OnButtonDown(centre);
    manager.OnButtonUp(centre);
    return true;
}

}  // namespace toolkit::sdl
