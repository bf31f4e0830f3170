#pragma once

#include "toolkit/core/control.h"
#include "toolkit/render/canvas.h"

namespace toolkit {

// A control showing one text with a font, colour and alignment.
class CLabelUI : public CControlUI {
public:
    std::string_view GetClass() const override { return "LabelUI"; }

    Color GetTextColor() const { return textColor_; }
    void SetTextColor(Color color);
    void SetDisabledTextColor(Color color) { disabledTextColor_ = color; }
    int GetFont() const { return font_; }
    void SetFont(int index);
    const Rect& GetTextPadding() const { return textPadding_; }

    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(Canvas& canvas) override;

protected:
    // The style the text is drawn with in the control's current state.
    virtual render::TextStyle TextStyleNow() const;
    // The text as painted (subclasses hide passwords or markup).
    virtual std::string PaintedText() const { return GetText(); }
    render::TextStyle BaseTextStyle(Color color) const;
    Color DisabledTextColor() const { return disabledTextColor_; }

private:
    Color textColor_ = 0xFF000000;
    Color disabledTextColor_ = 0xFFA7A6AA;
    int font_ = -1;
    Rect textPadding_;
    render::HAlign hAlign_ = render::HAlign::kLeft;
    render::VAlign vAlign_ = render::VAlign::kCenter;
    bool endEllipsis_ = false;
    bool multiLine_ = false;
};

// A label whose text may wrap and may carry "{x}" markup, shown without the markup.
class CTextUI : public CLabelUI {
public:
    CTextUI();
    std::string_view GetClass() const override { return "TextUI"; }

protected:
    std::string PaintedText() const override;
};

// A label that sends "click" when pressed and released over it, with images per state.
class CButtonUI : public CLabelUI {
public:
    std::string_view GetClass() const override { return "ButtonUI"; }

    bool IsPushed() const { return pushed_; }
    void SetNormalImage(std::string image);
    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;
    bool Activate() override;
    void PaintStatusImage(Canvas& canvas) override;

protected:
    render::TextStyle TextStyleNow() const override;

private:
    std::string normalImage_;
    std::string hotImage_;
    std::string pushedImage_;
    std::string focusedImage_;
    std::string disabledImage_;
    Color hotTextColor_ = 0;
    Color pushedTextColor_ = 0;
    bool pushed_ = false;
};

// A button with a selected state; options sharing a group name are selected one at a time.
class COptionUI : public CButtonUI {
public:
    std::string_view GetClass() const override { return "OptionUI"; }

    bool IsSelected() const { return selected_; }
    // Changes the state; "selectchanged" when sendEvent. Selecting an option of a group first
    // clears the other options of that group. False when the option left its window during
    // the notification.
    bool Selected(bool selected, bool sendEvent = true);
    const std::string& GetGroup() const { return group_; }
    void SetGroup(std::string group) { group_ = std::move(group); }

    void SetAttribute(std::string_view name, std::string_view value) override;
    bool Activate() override;
    void PaintStatusImage(Canvas& canvas) override;

protected:
    render::TextStyle TextStyleNow() const override;

private:
    bool selected_ = false;
    std::string group_;
    std::string selectedImage_;
    std::string selectedHotImage_;
    Color selectedTextColor_ = 0;
    // Tab layout whose page this option shows when it becomes selected ("bindtablayoutname",
    // "bindtabindex"), so skins switch pages without code.
    std::string boundTabLayout_;
    int boundTabIndex_ = -1;
};

// An option without a group, toggled by clicks.
class CCheckBoxUI : public COptionUI {
public:
    std::string_view GetClass() const override { return "CheckBoxUI"; }

    bool GetCheck() const { return IsSelected(); }
    bool SetCheck(bool check, bool sendEvent = true) { return Selected(check, sendEvent); }
};

}  // namespace toolkit
