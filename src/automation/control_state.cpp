#include "automation/control_state.h"

#include "toolkit/core/color_palette.h"
#include "toolkit/core/container.h"
#include "toolkit/core/control.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/progress.h"

namespace automation {

namespace {

using namespace toolkit;

Json RectOf(const Rect& rect) {
    return Json::Object()
        .Set("left", rect.left)
        .Set("top", rect.top)
        .Set("right", rect.right)
        .Set("bottom", rect.bottom);
}

void AddKindState(const CControlUI& control, Json& state) {
    if (const auto* progress = dynamic_cast<const CProgressUI*>(&control)) {
        state.Set("value", progress->GetValue())
            .Set("min", progress->GetMinValue())
            .Set("max", progress->GetMaxValue());
    }
    if (const auto* check = dynamic_cast<const CCheckBoxUI*>(&control)) {
        state.Set("checked", check->GetCheck());
    }
    if (const auto* option = dynamic_cast<const COptionUI*>(&control)) {
        state.Set("selected", option->IsSelected()).Set("group", option->GetGroup());
    }
    if (const auto* row = dynamic_cast<const CListContainerElementUI*>(&control)) {
        state.Set("selected", row->IsSelected()).Set("index", row->GetIndex());
    }
    if (const auto* palette = dynamic_cast<const CColorPaletteUI*>(&control)) {
        state.Set("color", palette->GetSelectColor());
    }
    if (const auto* tabs = dynamic_cast<const CTabLayoutUI*>(&control)) {
        state.Set("current", tabs->GetCurSel());
    }
    if (const auto* list = dynamic_cast<const CListUI*>(&control)) {
        Json items = Json::Array();
        for (int i = 0; const CListContainerElementUI* row = list->GetElementAt(i); ++i) {
            items.Push(Json::Object()
                           .Set("name", row->GetName())
                           .Set("text", row->GetText())
                           .Set("userData", row->GetUserData()));
        }
        state.Set("current", list->GetCurSel()).Set("items", std::move(items));
    }
}

}  // namespace

Json DescribeControl(const CControlUI* control) {
    if (control == nullptr) {
        return Json::Object().Set("exists", false);
    }
    Json state = Json::Object()
                     .Set("exists", true)
                     .Set("name", control->GetName())
                     .Set("class", control->GetClass())
                     .Set("visible", control->IsVisible())
                     .Set("enabled", control->IsEnabled())
                     .Set("focused", control->IsFocused())
                     .Set("text", control->GetText())
                     .Set("rawText", control->GetRawText())
                     .Set("resourceText", control->IsResourceText())
                     .Set("tooltip", control->GetToolTip())
                     .Set("userData", control->GetUserData())
                     .Set("bkColor", control->GetBkColor())
                     .Set("bkImage", control->GetBkImage())
                     .Set("changer", Json::Object()
                                         .Set("on", control->IsChangerColor())
                                         .Set("color", control->GetChangerColor())
                                         .Set("alpha", control->GetChangerAlpha()))
                     .Set("pos", RectOf(control->GetPos()));
    AddKindState(*control, state);
    return state;
}

bool StateMatches(const Json& state, const Json& condition) {
    if (condition.type() != Json::Type::kObject || state.type() != Json::Type::kObject) {
        return state == condition;
    }
    for (size_t i = 0; i < condition.Keys().size(); ++i) {
        const Json* actual = state.Find(condition.Keys()[i]);
        if (actual == nullptr || !StateMatches(*actual, condition.Items()[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace automation
