#include "toolkit/core/control_factory.h"

#include "toolkit/core/activex.h"
#include "toolkit/core/color_palette.h"
#include "toolkit/core/container.h"
#include "toolkit/core/edit.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/menu_ui.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/text_util.h"

namespace toolkit {

namespace {

template <typename T>
CControlFactory::CreateClass Creator() {
    return [] { return std::make_unique<T>(); };
}

}  // namespace

CControlFactory& CControlFactory::GetInstance() {
    static CControlFactory instance;
    return instance;
}

CControlFactory::CControlFactory() {
    RegistControl("Control", Creator<CControlUI>());
    RegistControl("Container", Creator<CContainerUI>());
    RegistControl("VerticalLayout", Creator<CVerticalLayoutUI>());
    RegistControl("HorizontalLayout", Creator<CHorizontalLayoutUI>());
    RegistControl("TabLayout", Creator<CTabLayoutUI>());
    RegistControl("Label", Creator<CLabelUI>());
    RegistControl("Text", Creator<CTextUI>());
    RegistControl("Button", Creator<CButtonUI>());
    RegistControl("Option", Creator<COptionUI>());
    RegistControl("CheckBox", Creator<CCheckBoxUI>());
    RegistControl("Edit", Creator<CEditUI>());
    RegistControl("Progress", Creator<CProgressUI>());
    RegistControl("Slider", Creator<CSliderUI>());
    RegistControl("List", Creator<CListUI>());
    RegistControl("ListEx", Creator<CListExUI>());
    RegistControl("Combo", Creator<CComboUI>());
    RegistControl("ListContainerElement", Creator<CListContainerElementUI>());
    RegistControl("ListLabelElement", Creator<CListLabelElementUI>());
    RegistControl("ListTextElement", Creator<CListTextElementUI>());
    RegistControl("ColorPalette", Creator<CColorPaletteUI>());
    RegistControl("ActiveX", Creator<CActiveXUI>());
    RegistControl("Menu", Creator<CMenuUI>());
    RegistControl("MenuElement", Creator<CMenuElementUI>());
}

void CControlFactory::RegistControl(std::string className, CreateClass creator) {
    creators_[ToLower(className)] = std::move(creator);
}

std::unique_ptr<CControlUI> CControlFactory::CreateControl(std::string_view className) const {
    auto found = creators_.find(ToLower(className));
    return found != creators_.end() && found->second ? found->second() : nullptr;
}

}  // namespace toolkit
