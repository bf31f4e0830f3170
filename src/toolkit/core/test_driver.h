#pragma once

#include <string_view>

#include "toolkit/core/paint_manager.h"

namespace toolkit {

class CControlUI;

// Drives a window's controls the way a user would: every action is input injected at the
// control's position (or keys to the focused control) through the paint manager's input path,
// so the controls produce exactly the notifications real input produces. Actions return false
// when the control is missing or the input would not reach it (hidden, covered, disabled).
class CTestDriver {
public:
    explicit CTestDriver(CPaintManagerUI& manager) : manager_(manager) {}

    CControlUI* Find(std::string_view name) const { return manager_.FindControl(name); }
    template <typename T>
    T* FindAs(std::string_view name) const {
        return dynamic_cast<T*>(Find(name));
    }

    bool Click(std::string_view name) { return Click(Find(name)); }
    bool Click(CControlUI* control);
    bool DoubleClick(CControlUI* control);
    bool RightClick(CControlUI* control);
    // Moves the pointer onto the control / out of the window.
    bool HoverIn(CControlUI* control);
    void HoverOut();
    // Gives the control the keyboard focus by pressing on it.
    bool Focus(CControlUI* control);
    // Focuses the control (when it is not) and types the text.
    bool TypeText(CControlUI* control, std::string_view utf8);
    // A key to the focused control.
    void PressKey(uint32_t virtualKey);
    // Selects a row of a list (scrolling it into view with the wheel) or of a combo (opening
    // it first).
    bool SelectItem(CControlUI* listOrCombo, int index);
    // Moves a slider to the value: a press at the value's position, then arrow keys for
    // what the pixel grid cannot hit.
    bool SetValue(CControlUI* slider, int value);
    // Presses a colour palette where it picks the colour (as closely as the grid allows).
    bool PickColor(CControlUI* palette, Color color);

private:
    // The centre of the control when input there reaches it.
    bool Reachable(CControlUI* control, Point& at);
    bool PressAt(Point at);

    CPaintManagerUI& manager_;
};

}  // namespace toolkit
