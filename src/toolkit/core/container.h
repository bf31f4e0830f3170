#pragma once

#include <memory>
#include <vector>

#include "toolkit/core/control.h"

namespace toolkit {

// A control holding children. The plain container gives every child the whole inner area;
// float children keep their "pos" relative to the container.
class CContainerUI : public CControlUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    std::string_view GetClass() const override { return "ContainerUI"; }

    // Takes the child; returns it for convenience (null when given null).
    CControlUI* Add(std::unique_ptr<CControlUI> control);
    CControlUI* AddAt(std::unique_ptr<CControlUI> control, int index);
    // Removes and destroys the child; false when it is not a child of this container.
    virtual bool Remove(CControlUI* control);
    bool RemoveAt(int index);
    virtual void RemoveAll();
    // Takes the child out without destroying it.
    std::unique_ptr<CControlUI> Detach(CControlUI* control);
    CControlUI* GetItemAt(int index) const;
    int GetItemIndex(const CControlUI* control) const;
    int GetCount() const { return static_cast<int>(items_.size()); }

    const Rect& GetInset() const { return inset_; }
    void SetInset(const Rect& inset);
    int GetChildPadding() const { return childPadding_; }
    void SetChildPadding(int padding);

    void SetAttribute(std::string_view name, std::string_view value) override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
    void SetVisible(bool visible) override;
    void SetInternVisible(bool visible) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    CControlUI* FindControlAt(Point point) override;
    void ForEach(const std::function<void(CControlUI&)>& visit) override;
    void DoPaint(Canvas& canvas, const Rect& dirty) override;

protected:
    // Places the non-float children inside `inner` (the position minus the inset).
    virtual void LayoutChildren(const Rect& inner);
    // Places the float children relative to the container.
    void LayoutFloatChildren();
    // Whether a child is shown by this container (tab layouts show one page).
    virtual bool ShowsChild(int /*index*/) const { return true; }
    const std::vector<std::unique_ptr<CControlUI>>& Items() const { return items_; }

private:
    std::vector<std::unique_ptr<CControlUI>> items_;
    Rect inset_;
    int childPadding_ = 0;
    bool mouseChildEnabled_ = true;
};

// Children stacked top to bottom; fixed heights are kept, the rest share the remaining height.
class CVerticalLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override { return "VerticalLayoutUI"; }

protected:
    void LayoutChildren(const Rect& inner) override;
};

// Children side by side; fixed widths are kept, the rest share the remaining width.
class CHorizontalLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override { return "HorizontalLayoutUI"; }

protected:
    void LayoutChildren(const Rect& inner) override;
};

// Pages on top of each other; only the selected one is visible.
class CTabLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override { return "TabLayoutUI"; }

    int GetCurSel() const { return selected_; }
    // False for an index outside the pages.
    bool SelectItem(int index);
    bool SelectItem(CControlUI* page);

    void SetAttribute(std::string_view name, std::string_view value) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;

protected:
    bool ShowsChild(int index) const override { return index == selected_; }

private:
    void ApplyPageVisibility();

    int selected_ = 0;
};

}  // namespace toolkit
