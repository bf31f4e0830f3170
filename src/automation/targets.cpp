#include "automation/targets.h"

#include "automation/request_args.h"
#include "toolkit/core/host.h"
#include "toolkit/core/paint_manager.h"

namespace automation {

namespace {

std::vector<AutomationWindow> WindowsOf(const AutomationContext& context) {
    return context.windows ? context.windows() : std::vector<AutomationWindow>{};
}

std::string NameOf(const AutomationWindow& window) {
    return window.manager != nullptr ? window.manager->GetName() : std::string();
}

}  // namespace

AutomationWindow ResolveWindow(const AutomationContext& context, const Json& request) {
    const std::vector<AutomationWindow> windows = WindowsOf(context);
    const Json* wanted = request.Find("window");
    for (const AutomationWindow& window : windows) {
        const bool match =
            wanted == nullptr || wanted->IsNull() ||
            (wanted->AsString() != nullptr && *wanted->AsString() == NameOf(window)) ||
            (wanted->AsInt() && static_cast<uint64_t>(*wanted->AsInt()) == window.hwnd.value());
        if (match && window.manager != nullptr) {
            return window;
        }
    }
    throw RequestError(wanted == nullptr || wanted->IsNull()
                           ? std::string("the program has no window yet")
                           : "no window " + wanted->Write() + " (see \"windows\")");
}

toolkit::CControlUI* ResolveControl(const AutomationWindow& window, const Json& request) {
    const std::string& name = RequiredString(request, "name");
    toolkit::CControlUI* control = window.manager->FindControl(name);
    if (control == nullptr) {
        throw RequestError("no control named \"" + name + "\" in window \"" + NameOf(window) +
                           "\"");
    }
    return control;
}

Json ListWindows(const AutomationContext& context) {
    Json list = Json::Array();
    const toolkit::IWindowHost& host = toolkit::GetWindowHost();
    for (const AutomationWindow& window : WindowsOf(context)) {
        const toolkit::Rect rect = host.GetWindowRect(window.hwnd);
        list.Push(Json::Object()
                      .Set("handle", window.hwnd.value())
                      .Set("name", NameOf(window))
                      .Set("title", window.title)
                      .Set("visible", host.IsWindowVisible(window.hwnd))
                      .Set("tooltip", window.manager->GetShownToolTip())
                      .Set("width", rect.Width())
                      .Set("height", rect.Height()));
    }
    return Json::Object().Set("windows", std::move(list));
}

}  // namespace automation
