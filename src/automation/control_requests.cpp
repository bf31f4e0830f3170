#include "automation/control_requests.h"

#include <map>

#include "automation/control_state.h"
#include "automation/request_args.h"
#include "automation/targets.h"
#include "platform/msg/messages.h"
#include "toolkit/core/container.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/menu_ui.h"
#include "toolkit/core/notify.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/resource_manager.h"
#include "toolkit/core/test_driver.h"
#include "toolkit/core/tray_icon.h"
#include "toolkit/render/cairo_canvas.h"
#include "toolkit/render/image_cache.h"
#include "toolkit/render/surface.h"

namespace automation {

namespace {

using namespace toolkit;
namespace m = platform::msg;

using Handler = Json (*)(const AutomationContext&, const Json&);

// An action the toolkit refused: the control exists but input cannot reach it.
void Require(bool done, const Json& request, std::string_view what) {
    if (!done) {
        throw RequestError(std::string(what) + " on \"" + RequiredString(request, "name") +
                           "\" did not take effect (hidden, covered, disabled or of another kind)");
    }
}

// A request on one control with the window's test driver.
template <typename Action>
Json OnControl(const AutomationContext& context, const Json& request, std::string_view what,
               Action action) {
    const AutomationWindow window = ResolveWindow(context, request);
    CControlUI* control = ResolveControl(window, request);
    CTestDriver driver(*window.manager);
    Require(action(driver, control), request, what);
    return Json::Object();
}

Json Windows(const AutomationContext& context, const Json&) {
    return ListWindows(context);
}

Json Get(const AutomationContext& context, const Json& request) {
    const AutomationWindow window = ResolveWindow(context, request);
    return Json::Object().Set(
        "state", DescribeControl(window.manager->FindControl(RequiredString(request, "name"))));
}

Json Click(const AutomationContext& context, const Json& request) {
    return OnControl(context, request, "click", [](CTestDriver& driver, CControlUI* control) {
        return driver.Click(control);
    });
}

Json DoubleClick(const AutomationContext& context, const Json& request) {
    return OnControl(
        context, request, "double click",
        [](CTestDriver& driver, CControlUI* control) { return driver.DoubleClick(control); });
}

Json RightClick(const AutomationContext& context, const Json& request) {
    return OnControl(context, request, "right click", [](CTestDriver& driver, CControlUI* control) {
        return driver.RightClick(control);
    });
}

Json Hover(const AutomationContext& context, const Json& request) {
    return OnControl(context, request, "hover", [](CTestDriver& driver, CControlUI* control) {
        return driver.HoverIn(control);
    });
}

Json Leave(const AutomationContext& context, const Json& request) {
    CTestDriver(*ResolveWindow(context, request).manager).HoverOut();
    return Json::Object();
}

// Focus moves as it does when the user tabs into or out of a control: "killfocus" to the old
// control, "setfocus" to the new one, without pressing anything.
Json Focus(const AutomationContext& context, const Json& request) {
    const AutomationWindow window = ResolveWindow(context, request);
    window.manager->SetFocus(ResolveControl(window, request));
    return Json::Object();
}

Json KillFocus(const AutomationContext& context, const Json& request) {
    const AutomationWindow window = ResolveWindow(context, request);
    if (request.Find("name") == nullptr ||
        window.manager->GetFocus() == ResolveControl(window, request)) {
        window.manager->SetFocus(nullptr);
    }
    return Json::Object();
}

bool SelectWithEvent(CTestDriver& driver, CControlUI* control, const Json& request) {
    if (auto* option = dynamic_cast<COptionUI*>(control)) {
        const bool wanted = OptionalBool(request, "selected", true);
        return option->IsSelected() == wanted || driver.Click(option);
    }
    if (auto* tabs = dynamic_cast<CTabLayoutUI*>(control)) {
        return tabs->SelectItem(static_cast<int>(RequiredInt(request, "index", 0, INT32_MAX)));
    }
    return driver.SelectItem(control,
                             static_cast<int>(RequiredInt(request, "index", 0, INT32_MAX)));
}

bool SelectQuietly(CControlUI* control, const Json& request) {
    if (auto* option = dynamic_cast<COptionUI*>(control)) {
        return option->Selected(OptionalBool(request, "selected", true), false);
    }
    const int index = static_cast<int>(RequiredInt(request, "index", -1, INT32_MAX));
    if (auto* tabs = dynamic_cast<CTabLayoutUI*>(control)) {
        return tabs->SelectItem(index);
    }
    auto* list = dynamic_cast<CListUI*>(control);
    return list != nullptr && list->SelectItem(index, false, false);
}

// "event": false changes the selection the way the program's own code does, without a
// notification; otherwise it is chosen with the pointer like a user would.
Json Select(const AutomationContext& context, const Json& request) {
    const bool event = OptionalBool(request, "event", true);
    return OnControl(context, request, "select", [&](CTestDriver& driver, CControlUI* control) {
        return event ? SelectWithEvent(driver, control, request) : SelectQuietly(control, request);
    });
}

Json SetValue(const AutomationContext& context, const Json& request) {
    const int value = static_cast<int>(RequiredInt(request, "value", INT32_MIN, INT32_MAX));
    const bool event = OptionalBool(request, "event", true);
    return OnControl(context, request, "setvalue", [&](CTestDriver& driver, CControlUI* control) {
        if (event) {
            return driver.SetValue(control, value);
        }
        auto* progress = dynamic_cast<CProgressUI*>(control);
        if (progress != nullptr) {
            progress->SetValue(value);
        }
        return progress != nullptr;
    });
}

Json Type(const AutomationContext& context, const Json& request) {
    const std::string& text = RequiredString(request, "text");
    return OnControl(context, request, "type", [&](CTestDriver& driver, CControlUI* control) {
        return driver.TypeText(control, text);
    });
}

// Replaces the whole text, as a paste over a selection does, then "textchanged" unless
// "event" is false.
Json SetText(const AutomationContext& context, const Json& request) {
    const AutomationWindow window = ResolveWindow(context, request);
    CControlUI* control = ResolveControl(window, request);
    control->SetText(RequiredString(request, "text"));
    if (OptionalBool(request, "event", true)) {
        window.manager->SendNotify(control, notify::kTextChanged);
    }
    return Json::Object();
}

UINT TrayMouseMessage(const Json& request) {
    static const std::map<std::string, UINT, std::less<>> kNames = {
        {"lbuttonup", m::WM_LBUTTONUP},
        {"rbuttonup", m::WM_RBUTTONUP},
        {"lbuttondblclk", m::WM_LBUTTONDBLCLK},
        {"mousemove", m::WM_MOUSEMOVE}};
    if (const std::optional<std::string> name = OptionalString(request, "message")) {
        const auto found = kNames.find(*name);
        if (found == kNames.end()) {
            throw RequestError("unknown tray message \"" + *name +
                               "\" (lbuttonup, rbuttonup, lbuttondblclk, mousemove or a number)");
        }
        return found->second;
    }
    return static_cast<UINT>(RequiredInt(request, "message", 0, 0xFFFF));
}

// Delivered the way the desktop delivers it: the tray posts its message to the window.
Json Tray(const AutomationContext& context, const Json& request) {
    const UINT message = TrayMouseMessage(request);
    CTrayIcon* icon = context.trayIcon ? context.trayIcon() : nullptr;
    auto* headless = dynamic_cast<CHeadlessTrayIcon*>(icon);
    if (headless == nullptr || !headless->IsShown()) {
        throw RequestError("no tray icon is shown by the program here");
    }
    if (!headless->Click(message)) {
        throw RequestError("the tray icon's window is gone");
    }
    return Json::Object();
}

// Chooses an item of an open menu by pressing it, as the user would.
Json Menu(const AutomationContext& context, const Json& request) {
    const std::string& item = RequiredString(request, "item");
    if (context.windows) {
        for (const AutomationWindow& window : context.windows()) {
            auto* element = window.manager != nullptr
                                ? dynamic_cast<CMenuElementUI*>(window.manager->FindControl(item))
                                : nullptr;
            if (element != nullptr) {
                if (!CTestDriver(*window.manager).Click(element)) {
                    throw RequestError("menu item \"" + item + "\" cannot be chosen now");
                }
                return Json::Object();
            }
        }
    }
    throw RequestError("no open menu has an item named \"" + item + "\"");
}

// Paints the whole client area afresh, whatever the host shows.
Json Screenshot(const AutomationContext& context, const Json& request) {
    const AutomationWindow window = ResolveWindow(context, request);
    const std::string& path = RequiredString(request, "path");
    const Size size = window.manager->GetClientSize();
    if (size.cx <= 0 || size.cy <= 0) {
        throw RequestError("the window has no size yet");
    }
    render::Surface surface(size.cx, size.cy);
    surface.Clear(0xFFFFFFFF);
    render::ImageCache images;
    images.SetResourceRoot(CResourceManager::GetInstance().GetResourcePath());
    render::CairoCanvas canvas(surface, images);
    const Rect all = Rect::FromSize(0, 0, size.cx, size.cy);
    window.manager->Paint(canvas, &all);
    if (!surface.WriteToPng(path)) {
        throw RequestError("cannot write " + path);
    }
    return Json::Object().Set("width", size.cx).Set("height", size.cy);
}

}  // namespace

std::optional<Json> RunControlRequest(const AutomationContext& context, std::string_view op,
                                      const Json& request) {
    static const std::map<std::string_view, Handler> kHandlers = {{"windows", Windows},
                                                                  {"get", Get},
                                                                  {"click", Click},
                                                                  {"doubleclick", DoubleClick},
                                                                  {"rightclick", RightClick},
                                                                  {"hover", Hover},
                                                                  {"leave", Leave},
                                                                  {"focus", Focus},
                                                                  {"killfocus", KillFocus},
                                                                  {"select", Select},
                                                                  {"setvalue", SetValue},
                                                                  {"type", Type},
                                                                  {"settext", SetText},
                                                                  {"tray", Tray},
                                                                  {"menu", Menu},
                                                                  {"screenshot", Screenshot}};
    const auto found = kHandlers.find(op);
    if (found == kHandlers.end()) {
        return std::nullopt;
    }
    return found->second(context, request);
}

}  // namespace automation
