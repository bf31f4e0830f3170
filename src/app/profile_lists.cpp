#include "app/profile_lists.h"

#include <memory>
#include <span>

#include "app/control_names.h"
#include "app/language_ids.h"
#include "app/message_box.h"
#include "device/commands.h"
#include "profile/profile_list.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/text_util.h"

namespace app {
namespace {

using profile::DeviceKind;
using profile::ProfileType;
namespace lists = controls::profile_lists;

constexpr int kListRowHeight = 20;
constexpr int kComboRowHeight = 25;

struct ListBinding {
    controls::ProfileListControls names;
    DeviceKind kind;
    ProfileType type;
};

constexpr ListBinding kMouseDevice{lists::kMouseDevice, DeviceKind::kMouse, ProfileType::kDevice};
constexpr ListBinding kKeyboardDevice{lists::kKeyboardDevice, DeviceKind::kKeyboard,
                                      ProfileType::kDevice};
constexpr ListBinding kKeyboardLight{lists::kKeyboardLight, DeviceKind::kKeyboard,
                                     ProfileType::kLight};
constexpr ListBinding kKeyboardKey{lists::kKeyboardKey, DeviceKind::kKeyboard, ProfileType::kKey};
constexpr ListBinding kPadLight{lists::kPadLight, DeviceKind::kPad, ProfileType::kLight};

// The lists the program fills, per device in filling order; a failed first run of one list
// leaves the device's later lists empty.
constexpr ListBinding kKeyboardLists[] = {kKeyboardDevice, kKeyboardLight, kKeyboardKey};
constexpr ListBinding kMouseLists[] = {kMouseDevice};
constexpr ListBinding kPadLists[] = {kPadLight};

// Every list whose selection this file handles.
constexpr ListBinding kSelectableLists[] = {kMouseDevice, kKeyboardDevice, kKeyboardLight,
                                            kKeyboardKey, kPadLight};

toolkit::CListUI* FindList(const ProfileListContext& context, std::string_view name) {
    return dynamic_cast<toolkit::CListUI*>(context.pm.FindControl(name));
}

void SetText(const ProfileListContext& context, std::string_view name, std::string text) {
    if (toolkit::CControlUI* control = context.pm.FindControl(name)) {
        control->SetText(std::move(text));
    }
}

void AddEntry(toolkit::CListUI& list, const ListBinding& binding, const std::string& name) {
    std::unique_ptr<toolkit::CListLabelElementUI> entry;
    if (binding.kind == DeviceKind::kMouse) {
        entry = std::make_unique<toolkit::CListTextElementUI>();
        entry->SetFixedHeight(kListRowHeight);
    } else {
        entry = std::make_unique<toolkit::CListLabelElementUI>();
        entry->SetFixedHeight(kComboRowHeight);
    }
    entry->SetText(name);
    entry->SetUserData(name);
    list.Add(std::move(entry));
}

// False when the list has no profile and none could be created from the default file. A list
// the skin lacks is left alone, files included.
bool FillList(const ProfileListContext& context, const ListBinding& binding) {
    toolkit::CListUI* list = FindList(context, binding.names.list);
    if (list == nullptr) {
        return true;
    }
    if (profile::ProfileCount(binding.kind, binding.type) == 0) {
        const int created = profile::CreateFirstProfile(binding.kind, binding.type,
                                                        context.devices.keyboard.effectSet);
        if (created != profile::kLoaded) {
            ShowMessageBox(context.owner, created == profile::kMissing ? text::kDefaultFileMissing
                                                                       : text::kDefaultFileDamaged);
            return false;
        }
    }
    for (const std::string& name : profile::ProfileNames(binding.kind, binding.type)) {
        AddEntry(*list, binding, name);
    }
    return true;
}

void FillDeviceLists(const ProfileListContext& context, std::span<const ListBinding> bindings) {
    for (const ListBinding& binding : bindings) {
        if (!FillList(context, binding)) {
            return;
        }
    }
}

void ShowLink(const ProfileListContext& context, const ListBinding& binding, int index) {
    auto* check =
        dynamic_cast<toolkit::COptionUI*>(context.pm.FindControl(binding.names.linkCheck));
    const profile::ProfileLink link = profile::ReadProfileLink(binding.kind, binding.type, index);
    if (link.flag == 0) {
        if (check != nullptr) {
            check->Selected(false, true);
        }
        return;
    }
    // A stored path without a folder shows no link; the profile is loaded all the same.
    const std::optional<std::string> program = profile::LinkedProgramName(link.process);
    if (!program) {
        return;
    }
    SetText(context, binding.names.linkEdit, *program);
    if (check != nullptr) {
        check->Selected(true, false);
    }
    if (toolkit::CControlUI* row = context.pm.FindControl(binding.names.linkRow)) {
        row->SetVisible(true);
    }
}

void SendMouseProfile(const ProfileListContext& context, const std::string& name) {
    mouse::MouseImage& image = context.devices.mouse;
    image.block.Load(image.records[0]);
    ShowSelectedProfile(context.performance, name);
    device::WriteParams(context.mouseLink, 0,
                        std::span(image.records[0]).first(mouse::kParamBlockSize));
    image.paramsDirty = true;
    device::WriteKeyTable(context.mouseLink, image.keyPages[0], 0);
    context.mousePages.RefreshMousePages();
}

void ApplyLoadedProfile(const ProfileListContext& context, const ListBinding& binding,
                        const std::string& name) {
    keyboard::KeyboardData& keyboard = context.devices.keyboard;
    switch (binding.kind) {
        case DeviceKind::kMouse:
            SendMouseProfile(context, name);
            return;
        case DeviceKind::kPad:
            context.devices.pad.paramsDirty = true;
            context.padPages.RefreshPadLightPage();
            return;
        case DeviceKind::kKeyboard:
            break;
    }
    if (binding.type == ProfileType::kDevice) {
        keyboard.block.Store(keyboard.records[0]);
    }
    if (binding.type != ProfileType::kKey) {
        keyboard.paramsDirty = true;
    }
    if (binding.type != ProfileType::kLight) {
        device::WriteKeyTable(context.keyboardLink, keyboard.keyPages[0], 0);
    }
}

}  // namespace

void InitProfileLists(const ProfileListContext& context) {
    FillDeviceLists(context, kKeyboardLists);
    FillDeviceLists(context, kMouseLists);
    if (toolkit::CListUI* list = FindList(context, kMouseDevice.names.list)) {
        list->SelectItem(profile::SelectedIndex(DeviceKind::kMouse, ProfileType::kDevice));
    }
    FillDeviceLists(context, kPadLists);
}

bool OnProfileSelected(const ProfileListContext& context, toolkit::CControlUI& control) {
    const ListBinding* binding = nullptr;
    for (const ListBinding& candidate : kSelectableLists) {
        if (toolkit::EqualsNoCase(control.GetName(), candidate.names.list)) {
            binding = &candidate;
        }
    }
    auto* list = dynamic_cast<toolkit::CListUI*>(&control);
    if (binding == nullptr || list == nullptr) {
        return false;
    }
    const int index = list->GetCurSel();
    const toolkit::CListContainerElementUI* entry = list->GetElementAt(index);
    if (entry == nullptr) {
        return true;
    }
    SetText(context, binding->names.nameEdit, entry->GetUserData());
    profile::StoreSelection(binding->kind, binding->type, index);
    ShowLink(context, *binding, index);
    // On failure the state stays as loaded before, and that state is applied.
    profile::DeviceState state = context.devices.State();
    profile::LoadProfile(state, binding->kind, binding->type, index);
    ApplyLoadedProfile(context, *binding, entry->GetUserData());
    return true;
}

}  // namespace app
