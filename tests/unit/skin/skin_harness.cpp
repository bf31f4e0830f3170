#include "skin_harness.h"

#include "app/control_names.h"
#include "toolkit/core/control_factory.h"
#include "toolkit/core/text_util.h"
#include "ui/controls/chart_view.h"
#include "ui/controls/circle_progress.h"
#include "ui/controls/device_key_button.h"
#include "ui/controls/wnd.h"

namespace skin_test {

namespace names = app::controls;

ShippedSkin::ShippedSkin(std::string_view language) {
    auto& resources = toolkit::CResourceManager::GetInstance();
    resources.Release();
    toolkit::CPaintManagerUI::ClearSharedStyles();
    resources.SetResourcePath(Folder());
    resources.LoadResource(names::skin::kResourceMap);
    resources.LoadLanguage(language);
    auto& factory = toolkit::CControlFactory::GetInstance();
    factory.RegistControl("CCircleProgressUI", &ui::CCircleProgressUI::CreateControl);
    factory.RegistControl("CChartViewUI", &ui::CChartViewUI::CreateControl);
    factory.RegistControl("CWndUI", &ui::CWndUI::CreateControl);
    factory.RegistControl("CDeviceKeyButtonUI", &ui::CDeviceKeyButtonUI::CreateControl);
}

ShippedSkin::~ShippedSkin() {
    toolkit::CResourceManager::GetInstance().Release();
    toolkit::CPaintManagerUI::ClearSharedStyles();
}

std::string ShippedSkin::Folder() {
    return KAVRIN_PROGRAM_SKIN_DIR;
}

std::unique_ptr<toolkit::CControlUI> PlaceholderCallback::CreateControl(
    std::string_view className) {
    for (const auto& placeholder : names::skin::kPlaceholders) {
        if (toolkit::EqualsNoCase(className, placeholder.element)) {
            return toolkit::CDialogBuilder().Create(placeholder.file, {}, nullptr, manager_);
        }
    }
    if (toolkit::EqualsNoCase(className, names::skin::kCircleProgressElement)) {
        return ui::CCircleProgressUI::CreateControl();
    }
    if (toolkit::EqualsNoCase(className, names::skin::kDeviceKeyButtonElement)) {
        return ui::CDeviceKeyButtonUI::CreateControl();
    }
    return nullptr;
}

std::unique_ptr<toolkit::CControlUI> SkinWindow::CreateControl(std::string_view className) {
    return PlaceholderCallback(&GetPaintManager()).CreateControl(className);
}

std::vector<std::string> NamesIn(toolkit::CControlUI& root) {
    std::vector<std::string> found;
    root.ForEach([&found](toolkit::CControlUI& control) {
        if (!control.GetName().empty()) {
            found.push_back(control.GetName());
        }
    });
    return found;
}

}  // namespace skin_test
