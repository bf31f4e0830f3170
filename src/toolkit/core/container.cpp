#include "toolkit/core/container.h"

#include <algorithm>

#include "toolkit/core/paint_manager.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children leave the window before their container does.
    RemoveAll();
}

CControlUI* CContainerUI::Add(std::unique_ptr<CControlUI> control) {
    return AddAt(std::move(control), GetCount());
}

CControlUI* CContainerUI::AddAt(std::unique_ptr<CControlUI> control, int index) {
    if (control == nullptr) {
        return nullptr;
    }
    index = std::clamp(index, 0, GetCount());
    CControlUI* raw = control.get();
    items_.insert(items_.begin() + index, std::move(control));
    raw->SetInternVisible(IsVisible());
    raw->SetManager(GetManager(), this, true);
    NeedUpdate();
    return raw;
}

std::unique_ptr<CControlUI> CContainerUI::Detach(CControlUI* control) {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [control](const auto& item) { return item.get() == control; });
    if (found == items_.end()) {
        return nullptr;
    }
    std::unique_ptr<CControlUI> child = std::move(*found);
    items_.erase(found);
    child->SetManager(nullptr, nullptr, false);
    NeedUpdate();
    return child;
}

bool CContainerUI::Remove(CControlUI* control) {
    CPaintManagerUI* manager = GetManager();
    std::unique_ptr<CControlUI> child = Detach(control);
    if (child == nullptr) {
        return false;
    }
    if (manager != nullptr) {
        manager->ReleaseControl(std::move(child));
    }
    return true;
}

bool CContainerUI::RemoveAt(int index) {
    return Remove(GetItemAt(index));
}

void CContainerUI::RemoveAll() {
    while (!items_.empty()) {
        Remove(items_.back().get());
    }
}

CControlUI* CContainerUI::GetItemAt(int index) const {
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return items_[static_cast<size_t>(index)].get();
}

int CContainerUI::GetItemIndex(const CControlUI* control) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == control) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CContainerUI::SetInset(const Rect& inset) {
    inset_ = inset;
    NeedUpdate();
}

void CContainerUI::SetChildPadding(int padding) {
    childPadding_ = padding;
    NeedUpdate();
}

void CContainerUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "inset") {
        SetInset(ParseRect(value));
    } else if (name == "childpadding") {
        SetChildPadding(ParseInt(value));
    } else if (name == "mousechild") {
        mouseChildEnabled_ = ParseBool(value);
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

void CContainerUI::SetPos(const Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    const Rect& inset = inset_;
    LayoutChildren(rect.Deflate(inset.left, inset.top, inset.right, inset.bottom));
    LayoutFloatChildren();
}

namespace {

// A child's rectangle inside `area` from its padding and fixed size, anchored top-left.
Rect PlaceIn(const CControlUI& child, const Rect& area) {
    const Rect& pad = child.GetPadding();
    Rect r = area.Deflate(pad.left, pad.top, pad.right, pad.bottom);
    if (child.GetFixedWidth() > 0) {
        r.right = r.left + child.GetFixedWidth();
    }
    if (child.GetFixedHeight() > 0) {
        r.bottom = r.top + child.GetFixedHeight();
    }
    return r;
}

}  // namespace

void CContainerUI::LayoutChildren(const Rect& inner) {
    for (auto& item : items_) {
        if (!item->IsFloat()) {
            item->SetPos(PlaceIn(*item, inner), false);
        }
    }
}

void CContainerUI::LayoutFloatChildren() {
    const Rect& origin = GetPos();
    for (auto& item : items_) {
        if (!item->IsFloat()) {
            continue;
        }
        Rect r = item->GetFloatPos().Offset(origin.left, origin.top);
        if (r.Width() <= 0 && item->GetFixedWidth() > 0) {
            r.right = r.left + item->GetFixedWidth();
        }
        if (r.Height() <= 0 && item->GetFixedHeight() > 0) {
            r.bottom = r.top + item->GetFixedHeight();
        }
        item->SetPos(r, false);
    }
}

void CContainerUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    for (auto& item : items_) {
        item->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    for (auto& item : items_) {
        item->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CControlUI::SetManager(manager, parent, init);
    for (auto& item : items_) {
        item->SetManager(manager, this, init);
    }
}

CControlUI* CContainerUI::FindControlAt(Point point) {
    if (!IsVisible() || !GetPos().Contains(point)) {
        return nullptr;
    }
    if (mouseChildEnabled_) {
        // Later children are painted on top, so they are hit first.
        for (int i = static_cast<int>(items_.size()) - 1; i >= 0; --i) {
            if (!ShowsChild(i)) {
                continue;
            }
            if (CControlUI* hit = items_[i]->FindControlAt(point)) {
                return hit;
            }
        }
    }
    return IsMouseEnabled() ? this : nullptr;
}

void CContainerUI::ForEach(const std::function<void(CControlUI&)>& visit) {
    visit(*this);
    for (auto& item : items_) {
        item->ForEach(visit);
    }
}

void CContainerUI::DoPaint(Canvas& canvas, const Rect& dirty) {
    Rect area = GetPos().Intersect(dirty);
    if (area.IsEmpty()) {
        return;
    }
    CControlUI::DoPaint(canvas, dirty);
    canvas.PushClip(area);
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->IsVisible() && ShowsChild(static_cast<int>(i))) {
            items_[i]->DoPaint(canvas, area);
        }
    }
    canvas.PopClip();
}

namespace {

// Splits `total` among children without a fixed extent along the stacking axis.
template <typename FixedOf>
std::vector<int> StackExtents(const std::vector<std::unique_ptr<CControlUI>>& items, int total,
                              int padding, FixedOf fixedOf) {
    std::vector<int> extents;
    int fixedSum = 0;
    int stretchCount = 0;
    int shown = 0;
    for (const auto& item : items) {
        if (item->IsFloat() || !item->IsVisible()) {
            continue;
        }
        ++shown;
        int fixed = fixedOf(*item);
        fixedSum += fixed;
        stretchCount += fixed > 0 ? 0 : 1;
    }
    int remaining = total - fixedSum - padding * std::max(shown - 1, 0);
    int share = stretchCount > 0 ? std::max(remaining, 0) / stretchCount : 0;
    for (const auto& item : items) {
        int fixed = fixedOf(*item);
        extents.push_back(fixed > 0 ? fixed : share);
    }
    return extents;
}

}  // namespace

void CVerticalLayoutUI::LayoutChildren(const Rect& inner) {
    const auto& items = Items();
    auto heights = StackExtents(items, inner.Height(), GetChildPadding(), [](const CControlUI& c) {
        return c.GetFixedHeight() + c.GetPadding().top + c.GetPadding().bottom;
    });
    int y = inner.top;
    for (size_t i = 0; i < items.size(); ++i) {
        CControlUI& item = *items[i];
        if (item.IsFloat() || !item.IsVisible()) {
            continue;
        }
        Rect slot{inner.left, y, inner.right, y + heights[i]};
        const Rect& pad = item.GetPadding();
        Rect r = slot.Deflate(pad.left, pad.top, pad.right, pad.bottom);
        if (item.GetFixedWidth() > 0) {
            r.right = r.left + item.GetFixedWidth();
        }
        item.SetPos(r, false);
        y += heights[i] + GetChildPadding();
    }
}

void CHorizontalLayoutUI::LayoutChildren(const Rect& inner) {
    const auto& items = Items();
    auto widths = StackExtents(items, inner.Width(), GetChildPadding(), [](const CControlUI& c) {
        return c.GetFixedWidth() + c.GetPadding().left + c.GetPadding().right;
    });
    int x = inner.left;
    for (size_t i = 0; i < items.size(); ++i) {
        CControlUI& item = *items[i];
        if (item.IsFloat() || !item.IsVisible()) {
            continue;
        }
        Rect slot{x, inner.top, x + widths[i], inner.bottom};
        const Rect& pad = item.GetPadding();
        Rect r = slot.Deflate(pad.left, pad.top, pad.right, pad.bottom);
        if (item.GetFixedHeight() > 0) {
            r.bottom = r.top + item.GetFixedHeight();
        }
        item.SetPos(r, false);
        x += widths[i] + GetChildPadding();
    }
}

bool CTabLayoutUI::SelectItem(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    selected_ = index;
    ApplyPageVisibility();
    NeedUpdate();
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* page) {
    return SelectItem(GetItemIndex(page));
}

void CTabLayoutUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "selectedid") {
        selected_ = ParseInt(value);
        ApplyPageVisibility();
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

void CTabLayoutUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CContainerUI::SetManager(manager, parent, init);
    ApplyPageVisibility();
}

void CTabLayoutUI::ApplyPageVisibility() {
    for (int i = 0; i < GetCount(); ++i) {
        GetItemAt(i)->SetVisible(ShowsChild(i));
    }
}

}  // namespace toolkit
