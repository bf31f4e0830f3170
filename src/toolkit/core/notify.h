#pragma once

#include <map>
#include <string>
#include <string_view>

#include "toolkit/core/ui_types.h"

namespace toolkit {

class CControlUI;

// Notification type strings the controls send.
namespace notify {
inline constexpr std::string_view kWindowInit = "windowinit";
inline constexpr std::string_view kClick = "click";
inline constexpr std::string_view kSelectChanged = "selectchanged";
inline constexpr std::string_view kValueChanged = "valuechanged";
inline constexpr std::string_view kMoveValueChanged = "movevaluechanged";
inline constexpr std::string_view kItemSelect = "itemselect";
inline constexpr std::string_view kItemClick = "itemclick";
inline constexpr std::string_view kItemActivate = "itemactivate";
inline constexpr std::string_view kTextChanged = "textchanged";
inline constexpr std::string_view kReturn = "return";
inline constexpr std::string_view kSetFocus = "setfocus";
inline constexpr std::string_view kKillFocus = "killfocus";
inline constexpr std::string_view kMouseEnter = "msenter";
inline constexpr std::string_view kMouseLeave = "msleave";
inline constexpr std::string_view kMenu = "menu";
inline constexpr std::string_view kColorChanged = "colorchanged";
inline constexpr std::string_view kShowActiveX = "showactivex";
inline constexpr std::string_view kDropDown = "dropdown";
}  // namespace notify

// One notification: what happened, to which control, with the event's two parameters.
struct TNotifyUI {
    std::string type;
    CControlUI* sender = nullptr;
    // Name of the virtual window (pump) the sender belongs to; empty for the window itself.
    std::string virtualWnd;
    Point mouse;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class INotifyUI {
public:
    virtual ~INotifyUI() = default;
    virtual void Notify(TNotifyUI& msg) = 0;
};

// Routes notifications of controls marked with a "virtualwnd" name to the pump registered
// under that name; everything else goes to HandleNotify of this pump.
class CNotifyPump {
public:
    virtual ~CNotifyPump() = default;
    bool AddVirtualWnd(std::string name, CNotifyPump* pump);
    bool RemoveVirtualWnd(std::string_view name);
    void NotifyPump(TNotifyUI& msg);

protected:
    virtual void HandleNotify(TNotifyUI& /*msg*/) {}

private:
    std::map<std::string, CNotifyPump*, std::less<>> virtualWnds_;
};

}  // namespace toolkit
