#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/ui_types.h"

namespace toolkit {

class CControlUI;

// Input as the paint manager hands it to a control.
enum class UIEventType {
    kMouseEnter,
    kMouseLeave,
    kMouseMove,
    kButtonDown,
    kButtonUp,
    kDblClick,
    kRButtonDown,
    kContextMenu,  // right button released over the control
    kScrollWheel,
    kKeyDown,
    kChar,
    kSetFocus,
    kKillFocus,
};

struct TEventUI {
    UIEventType type = UIEventType::kMouseMove;
    CControlUI* sender = nullptr;
    Point mouse;
    uint32_t key = 0;  // virtual-key code of kKeyDown
    std::string text;  // UTF-8 of kChar
    int wheelDelta = 0;
};

inline TEventUI MakeEvent(UIEventType type, Point mouse = {}) {
    TEventUI event;
    event.type = type;
    event.mouse = mouse;
    return event;
}

// The few virtual-key codes the controls react to.
inline constexpr uint32_t kVkBack = 0x08;
inline constexpr uint32_t kVkTab = 0x09;
inline constexpr uint32_t kVkReturn = 0x0D;
inline constexpr uint32_t kVkEscape = 0x1B;
inline constexpr uint32_t kVkEnd = 0x23;
inline constexpr uint32_t kVkHome = 0x24;
inline constexpr uint32_t kVkLeft = 0x25;
inline constexpr uint32_t kVkUp = 0x26;
inline constexpr uint32_t kVkRight = 0x27;
inline constexpr uint32_t kVkDown = 0x28;

}  // namespace toolkit
