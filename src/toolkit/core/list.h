#pragma once

#include <string>
#include <vector>

#include "toolkit/core/container.h"
#include "toolkit/render/canvas.h"

namespace toolkit {

class CListUI;

// How a list paints its rows; set through the list's "item…" attributes.
struct TListInfoUI {
    int font = -1;
    Color textColor = 0xFF000000;
    Color selectedTextColor = 0;
    Color bkColor = 0;
    Color hotBkColor = 0;
    Color selectedBkColor = 0xFFC1E3FF;
    std::string hotImage;
    std::string selectedImage;
    render::HAlign align = render::HAlign::kLeft;
    Rect textPadding{4, 0, 4, 0};
};

// A row of a list or combo that may hold other controls. A press sends "itemclick" and
// selects the row; a double click sends "itemactivate".
class CListContainerElementUI : public CHorizontalLayoutUI {
public:
    std::string_view GetClass() const override { return "ListContainerElementUI"; }

    // The list holding this row, or null.
    CListUI* GetOwner() const;
    int GetIndex() const;
    bool IsSelected() const { return selected_; }
    // Changes the painted state only; the owner keeps the selection.
    void SetSelectedState(bool selected);
    // Asks the owner to select this row.
    bool Select(bool takeFocus = true);

    void DoEvent(TEventUI& event) override;
    bool Activate() override;
    void PaintBkColor(Canvas& canvas) override;
    void PaintStatusImage(Canvas& canvas) override;

private:
    bool selected_ = false;
};

// A row showing its text in the list's item style.
class CListLabelElementUI : public CListContainerElementUI {
public:
    std::string_view GetClass() const override { return "ListLabelElementUI"; }
    void PaintText(Canvas& canvas) override;

protected:
    render::TextStyle ItemTextStyle() const;
    // Rectangle of column `column` out of `columns` equal columns.
    Rect ColumnRect(int column, int columns) const;
};

// A row with one text per column; column 0 is the control's text.
class CListTextElementUI : public CListLabelElementUI {
public:
    std::string_view GetClass() const override { return "ListTextElementUI"; }

    std::string GetText(int column) const;
    using CListLabelElementUI::GetText;
    void SetText(int column, std::string text);
    using CListLabelElementUI::SetText;
    int GetColumnCount() const;

    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(Canvas& canvas) override;

private:
    std::vector<std::string> extraColumns_;  // columns 1 …
};

// Rows stacked top to bottom with one selected row. Mouse and arrow keys select
// ("itemselect" with wParam = new index, lParam = old index); the wheel scrolls; with the
// context menu on, a right click sends "menu" with the point in wParam / lParam.
class CListUI : public CVerticalLayoutUI {
public:
    std::string_view GetClass() const override { return "ListUI"; }

    int GetCurSel() const { return curSel_; }
    // Selects row `index`; false for an index outside the rows. Selecting the selected row
    // changes nothing. False as well when the list left its window during "itemselect".
    virtual bool SelectItem(int index, bool takeFocus = false, bool sendEvent = true);
    bool IsContextMenuUsed() const { return contextMenu_; }
    void SetContextMenuUsed(bool used) { contextMenu_ = used; }
    const TListInfoUI& GetListInfo() const { return info_; }
    int GetScrollPos() const { return scrollY_; }
    void SetScrollPos(int y);
    // Rows that are list elements (other children, e.g. a header, are skipped).
    CListContainerElementUI* GetElementAt(int index) const;

    bool Remove(CControlUI* control) override;
    void RemoveAll() override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoInit() override;
    void DoEvent(TEventUI& event) override;

protected:
    void LayoutChildren(const Rect& inner) override;
    // The area the rows are seen in.
    virtual Rect ViewRect() const { return GetPos(); }

private:
    int curSel_ = -1;
    // Row a skin selects at first ("selectedid"); rows are built after the list's attributes.
    int initialSel_ = -1;
    int scrollY_ = 0;
    int contentHeight_ = 0;
    bool contextMenu_ = false;
    TListInfoUI info_;
};

// The list that supports renaming rows in place: it reports right clicks and double clicks,
// and the window lays an edit over the row to rename.
class CListExUI : public CListUI {
public:
    std::string_view GetClass() const override { return "ListExUI"; }
    void InitListCtrl() { SetContextMenuUsed(true); }
};

// A box showing the selected row's text; a press drops the rows down below it, a press on a
// row selects it and closes the drop-down.
class CComboUI : public CListUI {
public:
    std::string_view GetClass() const override { return "ComboUI"; }

    std::string GetText() const override;
    bool IsDropped() const { return dropped_; }
    void SetDropped(bool dropped);
    bool SelectItem(int index, bool takeFocus = false, bool sendEvent = true) override;

    void SetAttribute(std::string_view name, std::string_view value) override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    CControlUI* FindControlAt(Point point) override;
    void DoPaint(Canvas& canvas, const Rect& dirty) override;
    void DoPostPaint(Canvas& canvas, const Rect& dirty) override;
    void PaintText(Canvas& canvas) override;
    void PaintStatusImage(Canvas& canvas) override;

protected:
    Rect ViewRect() const override { return DropRect(); }

private:
    Rect DropRect() const;

    bool dropped_ = false;
    int dropHeight_ = 0;  // 0: as tall as the rows
    std::string normalImage_;
    std::string hotImage_;
    std::string pushedImage_;
    Color dropBkColor_ = 0xFFFFFFFF;
    Rect textPadding_{4, 0, 4, 0};
};

}  // namespace toolkit
