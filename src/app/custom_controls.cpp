#include "app/custom_controls.h"

#include "toolkit/core/control_factory.h"
#include "ui/controls/chart_view.h"
#include "ui/controls/circle_progress.h"
#include "ui/controls/device_key_button.h"
#include "ui/controls/wnd.h"

namespace app {

void RegisterCustomControls() {
    toolkit::CControlFactory& factory = toolkit::CControlFactory::GetInstance();
    factory.RegistControl("CCircleProgressUI", ui::CCircleProgressUI::CreateControl);
    factory.RegistControl("CChartViewUI", ui::CChartViewUI::CreateControl);
    factory.RegistControl("CWndUI", ui::CWndUI::CreateControl);
    factory.RegistControl("CDeviceKeyButtonUI", ui::CDeviceKeyButtonUI::CreateControl);
}

}  // namespace app
