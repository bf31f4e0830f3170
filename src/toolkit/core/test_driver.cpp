#include "toolkit/core/test_driver.h"

#include <cstdlib>

#include "toolkit/core/color_palette.h"
#include "toolkit/core/control.h"
#include "toolkit/core/list.h"
#include "toolkit/core/progress.h"

namespace toolkit {

namespace {

constexpr int kWheelNotch = 120;
// Enough notches or steps for any list or slider a skin holds, and a bound for bad input.
constexpr int kMaxSteps = 100000;

bool IsInside(const CControlUI* hit, const CControlUI* control) {
    for (; hit != nullptr; hit = hit->GetParent()) {
        if (hit == control) {
            return true;
        }
    }
    return false;
}

Point Centre(const Rect& r) {
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
}

}  // namespace

bool CTestDriver::Reachable(CControlUI* control, Point& at) {
    if (control == nullptr || control->GetManager() != &manager_) {
        return false;
    }
    manager_.UpdateLayout();
    at = Centre(control->GetPos());
    return IsInside(manager_.FindControl(at), control);
}

bool CTestDriver::PressAt(Point at) {
    manager_.OnMouseMove(at);
    manager_.OnButtonDown(at);
    manager_.OnButtonUp(at);
    return true;
}

bool CTestDriver::Click(CControlUI* control) {
    Point at;
    return Reachable(control, at) && control->IsEnabled() && PressAt(at);
}

bool CTestDriver::DoubleClick(CControlUI* control) {
    Point at;
    if (!Reachable(control, at)) {
        return false;
    }
    PressAt(at);
    manager_.OnDoubleClick(at);
    manager_.OnButtonUp(at);
    return true;
}

bool CTestDriver::RightClick(CControlUI* control) {
    Point at;
    if (!Reachable(control, at)) {
        return false;
    }
    manager_.OnMouseMove(at);
    manager_.OnRButtonDown(at);
    manager_.OnRButtonUp(at);
    return true;
}

bool CTestDriver::HoverIn(CControlUI* control) {
    Point at;
    if (!Reachable(control, at)) {
        return false;
    }
    manager_.OnMouseMove(at);
    return true;
}

void CTestDriver::HoverOut() {
    manager_.OnMouseLeaveWindow();
}

bool CTestDriver::Focus(CControlUI* control) {
    Point at;
    return Reachable(control, at) && PressAt(at);
}

bool CTestDriver::TypeText(CControlUI* control, std::string_view utf8) {
    if (control == nullptr || (!control->IsFocused() && !Focus(control))) {
        return false;
    }
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = start + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        manager_.OnChar(std::string(utf8.substr(start, end - start)));
        start = end;
    }
    return true;
}

void CTestDriver::PressKey(uint32_t virtualKey) {
    manager_.OnKeyDown(virtualKey);
}

bool CTestDriver::SelectItem(CControlUI* listOrCombo, int index) {
    auto* list = dynamic_cast<CListUI*>(listOrCombo);
    if (list == nullptr || list->GetElementAt(index) == nullptr) {
        return false;
    }
    auto* combo = dynamic_cast<CComboUI*>(list);
    if (combo != nullptr && !combo->IsDropped() && !Click(combo)) {
        return false;
    }
    CControlUI* row = list->GetElementAt(index);
    Point listCentre;
    if (combo == nullptr && !Reachable(list, listCentre)) {
        return false;
    }
    Point at;
    for (int step = 0; combo == nullptr && !Reachable(row, at) && step < kMaxSteps; ++step) {
        int before = list->GetScrollPos();
        bool below = row->GetPos().top >= list->GetPos().bottom;
        manager_.OnMouseWheel(listCentre, below ? -kWheelNotch : kWheelNotch);
        if (list->GetScrollPos() == before) {
            return false;
        }
    }
    return Click(row);
}

bool CTestDriver::SetValue(CControlUI* control, int value) {
    auto* slider = dynamic_cast<CSliderUI*>(control);
    Point at;
    if (slider == nullptr || !Reachable(slider, at) || !slider->IsEnabled()) {
        return false;
    }
    value = std::clamp(value, slider->GetMinValue(), slider->GetMaxValue());
    PressAt(slider->PointFor(value));
    for (int step = 0; slider->GetValue() != value && step < kMaxSteps; ++step) {
        int before = slider->GetValue();
        manager_.OnKeyDown(slider->GetValue() < value ? kVkRight : kVkLeft);
        if (slider->GetValue() == before) {
            break;
        }
    }
    return slider->GetValue() == value;
}

bool CTestDriver::PickColor(CControlUI* control, Color color) {
    auto* palette = dynamic_cast<CColorPaletteUI*>(control);
    Point at;
    return palette != nullptr && Reachable(palette, at) && PressAt(palette->PointFor(color));
}

}  // namespace toolkit
