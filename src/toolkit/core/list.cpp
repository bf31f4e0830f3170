#include "toolkit/core/list.h"

#include <algorithm>

#include "toolkit/core/notify.h"
#include "toolkit/core/paint_manager.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

namespace {

constexpr int kDefaultRowHeight = 20;
constexpr int kWheelStep = 3 * kDefaultRowHeight;

int RowHeight(const CControlUI& row) {
    return row.GetFixedHeight() > 0 ? row.GetFixedHeight() : kDefaultRowHeight;
}

}  // namespace

CListUI* CListContainerElementUI::GetOwner() const {
    return dynamic_cast<CListUI*>(GetParent());
}

int CListContainerElementUI::GetIndex() const {
    CListUI* owner = GetOwner();
    return owner != nullptr ? owner->GetItemIndex(this) : -1;
}

void CListContainerElementUI::SetSelectedState(bool selected) {
    if (selected_ != selected) {
        selected_ = selected;
        Invalidate();
    }
}

bool CListContainerElementUI::Select(bool takeFocus) {
    CListUI* owner = GetOwner();
    return owner != nullptr && owner->SelectItem(GetIndex(), takeFocus);
}

void CListContainerElementUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kButtonDown:
            if (IsEnabled() && SendNotify(notify::kItemClick)) {
                Select(true);
            }
            return;
        case UIEventType::kDblClick:
            Activate();
            return;
        case UIEventType::kButtonUp:
            return;
        default:
            break;
    }
    CHorizontalLayoutUI::DoEvent(event);
}

bool CListContainerElementUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    return SendNotify(notify::kItemActivate);
}

void CListContainerElementUI::PaintBkColor(Canvas& canvas) {
    CListUI* owner = GetOwner();
    if (owner == nullptr) {
        CHorizontalLayoutUI::PaintBkColor(canvas);
        return;
    }
    const TListInfoUI& info = owner->GetListInfo();
    Color color = selected_ ? info.selectedBkColor : IsHot() ? info.hotBkColor : info.bkColor;
    if (render::AlphaOf(color) != 0) {
        canvas.FillRect(GetPos(), color);
    }
    CHorizontalLayoutUI::PaintBkColor(canvas);
}

void CListContainerElementUI::PaintStatusImage(Canvas& canvas) {
    CListUI* owner = GetOwner();
    if (owner == nullptr) {
        return;
    }
    const TListInfoUI& info = owner->GetListInfo();
    if (selected_) {
        DrawImage(canvas, info.selectedImage);
    } else if (IsHot()) {
        DrawImage(canvas, info.hotImage);
    }
}

render::TextStyle CListLabelElementUI::ItemTextStyle() const {
    CListUI* owner = GetOwner();
    TListInfoUI info = owner != nullptr ? owner->GetListInfo() : TListInfoUI{};
    render::TextStyle style =
        GetManager() != nullptr ? GetManager()->GetFont(info.font) : render::TextStyle{};
    style.color =
        IsSelected() && info.selectedTextColor != 0 ? info.selectedTextColor : info.textColor;
    style.h_align = info.align;
    style.end_ellipsis = true;
    return style;
}

Rect CListLabelElementUI::ColumnRect(int column, int columns) const {
    CListUI* owner = GetOwner();
    Rect pad = owner != nullptr ? owner->GetListInfo().textPadding : Rect{};
    const Rect& pos = GetPos();
    int width = pos.Width() / std::max(columns, 1);
    Rect cell{pos.left + column * width, pos.top, pos.left + (column + 1) * width, pos.bottom};
    return cell.Deflate(pad.left, pad.top, pad.right, pad.bottom);
}

void CListLabelElementUI::PaintText(Canvas& canvas) {
    std::string text = GetText();
    if (!text.empty()) {
        canvas.DrawText(ColumnRect(0, 1), text, ItemTextStyle());
    }
}

std::string CListTextElementUI::GetText(int column) const {
    if (column == 0) {
        return GetText();
    }
    size_t extra = static_cast<size_t>(column - 1);
    return column > 0 && extra < extraColumns_.size() ? extraColumns_[extra] : std::string{};
}

void CListTextElementUI::SetText(int column, std::string text) {
    if (column == 0) {
        SetText(std::move(text));
        return;
    }
    if (column < 0) {
        return;
    }
    size_t extra = static_cast<size_t>(column - 1);
    if (extraColumns_.size() <= extra) {
        extraColumns_.resize(extra + 1);
    }
    extraColumns_[extra] = std::move(text);
    Invalidate();
}

int CListTextElementUI::GetColumnCount() const {
    return 1 + static_cast<int>(extraColumns_.size());
}

void CListTextElementUI::SetAttribute(std::string_view name, std::string_view value) {
    // "text1", "text2", … set the further columns.
    if (name.starts_with("text") && name.size() > 4) {
        SetText(ParseInt(name.substr(4)), std::string(value));
    } else {
        CListLabelElementUI::SetAttribute(name, value);
    }
}

void CListTextElementUI::PaintText(Canvas& canvas) {
    int columns = GetColumnCount();
    render::TextStyle style = ItemTextStyle();
    for (int column = 0; column < columns; ++column) {
        std::string text = GetText(column);
        if (!text.empty()) {
            canvas.DrawText(ColumnRect(column, columns), text, style);
        }
    }
}

CListContainerElementUI* CListUI::GetElementAt(int index) const {
    return dynamic_cast<CListContainerElementUI*>(GetItemAt(index));
}

bool CListUI::SelectItem(int index, bool takeFocus, bool sendEvent) {
    CListContainerElementUI* element = GetElementAt(index);
    if (element == nullptr) {
        return false;
    }
    if (index == curSel_) {
        return true;
    }
    int old = curSel_;
    if (CListContainerElementUI* previous = GetElementAt(old)) {
        previous->SetSelectedState(false);
    }
    curSel_ = index;
    element->SetSelectedState(true);
    // Bring the row into view.
    Rect pos = ViewRect();
    const Rect& row = element->GetPos();
    if (row.top < pos.top) {
        SetScrollPos(scrollY_ - (pos.top - row.top));
    } else if (row.bottom > pos.bottom) {
        SetScrollPos(scrollY_ + (row.bottom - pos.bottom));
    }
    if (takeFocus) {
        element->SetFocus();
    }
    if (!sendEvent) {
        return true;
    }
    return SendNotify(notify::kItemSelect, static_cast<WPARAM>(index), old);
}

void CListUI::SetScrollPos(int y) {
    int limit = std::max(contentHeight_ - ViewRect().Height(), 0);
    y = std::clamp(y, 0, limit);
    if (y != scrollY_) {
        scrollY_ = y;
        NeedUpdate();
        if (GetManager() != nullptr) {
            GetManager()->UpdateLayout();
        }
    }
}

bool CListUI::Remove(CControlUI* control) {
    int index = GetItemIndex(control);
    if (!CVerticalLayoutUI::Remove(control)) {
        return false;
    }
    if (index == curSel_) {
        curSel_ = -1;
    } else if (index < curSel_) {
        --curSel_;
    }
    return true;
}

void CListUI::RemoveAll() {
    CVerticalLayoutUI::RemoveAll();
    curSel_ = -1;
    scrollY_ = 0;
}

void CListUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "menu") {
        SetContextMenuUsed(ParseBool(value));
    } else if (name == "selectedid") {
        initialSel_ = ParseInt(value);
        SelectItem(initialSel_, false, false);
    } else if (name == "itemfont") {
        info_.font = ParseInt(value);
    } else if (name == "itemtextcolor") {
        info_.textColor = ParseColorValue(value);
    } else if (name == "itemselectedtextcolor") {
        info_.selectedTextColor = ParseColorValue(value);
    } else if (name == "itembkcolor") {
        info_.bkColor = ParseColorValue(value);
    } else if (name == "itemhotbkcolor") {
        info_.hotBkColor = ParseColorValue(value);
    } else if (name == "itemselectedbkcolor") {
        info_.selectedBkColor = ParseColorValue(value);
    } else if (name == "itemhotimage") {
        info_.hotImage = value;
    } else if (name == "itemselectedimage") {
        info_.selectedImage = value;
    } else if (name == "itemalign") {
        info_.align = ParseHAlign(value);
    } else if (name == "itemtextpadding") {
        info_.textPadding = ParseRect(value);
    } else {
        CVerticalLayoutUI::SetAttribute(name, value);
    }
}

void CListUI::DoInit() {
    if (curSel_ < 0 && initialSel_ >= 0) {
        SelectItem(initialSel_, false, false);
    }
}

void CListUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kKeyDown:
            if (event.key == kVkUp && curSel_ > 0) {
                SelectItem(curSel_ - 1, true);
            } else if (event.key == kVkDown) {
                SelectItem(curSel_ + 1, true);
            } else if (event.key == kVkHome) {
                SelectItem(0, true);
            } else if (event.key == kVkEnd) {
                SelectItem(GetCount() - 1, true);
            }
            return;
        case UIEventType::kScrollWheel:
            SetScrollPos(scrollY_ - event.wheelDelta / 120 * kWheelStep);
            return;
        case UIEventType::kContextMenu:
            if (contextMenu_) {
                SendNotify(notify::kMenu, static_cast<WPARAM>(event.mouse.x), event.mouse.y);
            }
            return;
        default:
            break;
    }
    CVerticalLayoutUI::DoEvent(event);
}

void CListUI::LayoutChildren(const Rect& inner) {
    int y = inner.top - scrollY_;
    contentHeight_ = 0;
    for (const auto& item : Items()) {
        if (item->IsFloat() || !item->IsVisible()) {
            continue;
        }
        int height = RowHeight(*item);
        item->SetPos({inner.left, y, inner.right, y + height}, false);
        y += height + GetChildPadding();
        contentHeight_ += height + GetChildPadding();
    }
}

std::string CComboUI::GetText() const {
    CListContainerElementUI* selected = GetElementAt(GetCurSel());
    return selected != nullptr ? selected->GetText() : std::string{};
}

void CComboUI::SetDropped(bool dropped) {
    if (dropped_ == dropped) {
        return;
    }
    dropped_ = dropped;
    CPaintManagerUI* manager = GetManager();
    if (manager != nullptr) {
        manager->Invalidate(DropRect());
        if (dropped) {
            manager->SetPopup(this);
        } else if (manager->GetPopup() == this) {
            manager->SetPopup(nullptr);
        }
    }
    Invalidate();
}

bool CComboUI::SelectItem(int index, bool takeFocus, bool sendEvent) {
    if (!CListUI::SelectItem(index, takeFocus, sendEvent)) {
        return false;
    }
    SetDropped(false);
    Invalidate();
    return true;
}

void CComboUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "dropboxsize") {
        dropHeight_ = ParseSize(value).cy;
    } else if (name == "normalimage") {
        normalImage_ = value;
    } else if (name == "hotimage") {
        hotImage_ = value;
    } else if (name == "pushedimage") {
        pushedImage_ = value;
    } else if (name == "dropbkcolor") {
        dropBkColor_ = ParseColorValue(value);
    } else if (name == "textpadding") {
        textPadding_ = ParseRect(value);
    } else {
        CListUI::SetAttribute(name, value);
    }
}

Rect CComboUI::DropRect() const {
    int height = dropHeight_;
    if (height <= 0) {
        for (const auto& item : Items()) {
            height += item->IsVisible() ? RowHeight(*item) + GetChildPadding() : 0;
        }
    }
    const Rect& pos = GetPos();
    return {pos.left, pos.bottom, pos.right, pos.bottom + height};
}

void CComboUI::SetPos(const Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutChildren(DropRect());
}

void CComboUI::DoEvent(TEventUI& event) {
    switch (event.type) {
        case UIEventType::kButtonDown:
            if (IsEnabled()) {
                SetDropped(!dropped_);
            }
            return;
        case UIEventType::kButtonUp:
        case UIEventType::kDblClick:
            return;
        case UIEventType::kKillFocus: {
            // Focus moving to one of the rows keeps the drop-down open for the row's press.
            CControlUI* focus = GetManager() != nullptr ? GetManager()->GetFocus() : nullptr;
            while (focus != nullptr && focus != this) {
                focus = focus->GetParent();
            }
            if (focus == nullptr) {
                SetDropped(false);
            }
            break;
        }
        default:
            break;
    }
    CListUI::DoEvent(event);
}

CControlUI* CComboUI::FindControlAt(Point point) {
    if (!IsVisible()) {
        return nullptr;
    }
    if (dropped_ && DropRect().Contains(point)) {
        for (const auto& item : Items()) {
            if (CControlUI* hit = item->FindControlAt(point)) {
                return hit;
            }
        }
        return nullptr;
    }
    return GetPos().Contains(point) && IsMouseEnabled() ? this : nullptr;
}

void CComboUI::DoPaint(Canvas& canvas, const Rect& dirty) {
    CControlUI::DoPaint(canvas, dirty);
}

void CComboUI::DoPostPaint(Canvas& canvas, const Rect& dirty) {
    Rect drop = DropRect();
    Rect area = drop.Intersect(dirty);
    if (!dropped_ || area.IsEmpty()) {
        return;
    }
    canvas.PushClip(area);
    canvas.FillRect(drop, dropBkColor_);
    for (const auto& item : Items()) {
        if (item->IsVisible()) {
            item->DoPaint(canvas, area);
        }
    }
    canvas.PopClip();
}

void CComboUI::PaintText(Canvas& canvas) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    render::TextStyle style =
        GetManager() != nullptr ? GetManager()->GetFont(GetListInfo().font) : render::TextStyle{};
    style.color = GetListInfo().textColor;
    style.end_ellipsis = true;
    const Rect& pad = textPadding_;
    canvas.DrawText(GetPos().Deflate(pad.left, pad.top, pad.right, pad.bottom), text, style);
}

void CComboUI::PaintStatusImage(Canvas& canvas) {
    if (dropped_ && DrawImage(canvas, pushedImage_)) {
        return;
    }
    if (IsHot() && DrawImage(canvas, hotImage_)) {
        return;
    }
    DrawImage(canvas, normalImage_);
}

}  // namespace toolkit
