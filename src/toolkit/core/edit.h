#pragma once

#include "toolkit/core/label.h"

namespace toolkit {

// A one-line text box: typed characters and backspace change the text and send
// "textchanged"; Return sends "return". SetText does not notify.
class CEditUI : public CLabelUI {
public:
    std::string_view GetClass() const override { return "EditUI"; }

    void SetMaxChar(int count) { maxChar_ = count; }
    int GetMaxChar() const { return maxChar_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool IsReadOnly() const { return readOnly_; }
    void SetNumberOnly(bool on) { numberOnly_ = on; }
    void SetPasswordMode(bool on) { password_ = on; }
    bool IsPasswordMode() const { return password_; }

    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;
    void PaintStatusImage(Canvas& canvas) override;

protected:
    std::string PaintedText() const override;

private:
    // Appends what fits and is allowed; true when the text changed.
    bool Insert(std::string_view utf8);

    int maxChar_ = 255;
    bool readOnly_ = false;
    bool numberOnly_ = false;
    bool password_ = false;
    std::string normalImage_;
    std::string focusedImage_;
    std::string disabledImage_;
};

}  // namespace toolkit
