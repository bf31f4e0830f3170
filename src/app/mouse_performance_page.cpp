#include "app/mouse_performance_page.h"

#include <algorithm>
#include <array>

#include "app/control_names.h"
#include "device/commands.h"
#include "mouse/performance.h"
#include "profile/mouse_name_file.h"
#include "profile/profile_store.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/text_util.h"

namespace app {
namespace {

namespace names = controls::mouse_performance;
namespace name_file = profile::name_file;
using profile::ProfileType;
namespace notify = toolkit::notify;

constexpr std::array<std::string_view, mouse::kReportRateCount> kRateImages = {
    "ulmar/125.png", "ulmar/250.png", "ulmar/500.png", "ulmar/1000.png"};
constexpr int kMaxSpeedPosition = 10;
constexpr int kPointSpeedsPerPosition = 2;
constexpr toolkit::Color kOpaque = 0xFF000000;

template <typename T = toolkit::CControlUI>
T* Find(const PerformancePage& page, std::string_view name) {
    return dynamic_cast<T*>(page.pm.FindControl(name));
}

bool Is(const toolkit::CControlUI& sender, std::string_view name) {
    return toolkit::EqualsNoCase(sender.GetName(), name);
}

// The index the sender's name carries in the family, or nothing.
std::optional<int> NumberIn(const controls::NameRange& range, const toolkit::CControlUI& sender) {
    for (int index = range.first; index <= range.last; ++index) {
        if (Is(sender, controls::NumberedName(range, index))) {
            return index;
        }
    }
    return std::nullopt;
}

// Every edit is kept in the selected profile at once: its light file, then its configuration.
void SaveProfile(const PerformancePage& page) {
    profile::SaveMouseProfile(page.image, ProfileType::kLight);
    profile::SaveMouseProfile(page.image, ProfileType::kDevice);
}

void MarkDirty(const PerformancePage& page) {
    page.image.paramsDirty = true;
}

// The profile whose name file the page writes: the entry selected in the mouse's list.
std::optional<std::string> SelectedProfile(const PerformancePage& page) {
    const auto* list = Find<toolkit::CListUI>(page, controls::mouse_profiles::kList);
    const toolkit::CListContainerElementUI* entry =
        list != nullptr ? list->GetElementAt(list->GetCurSel()) : nullptr;
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->GetUserData();
}

void WriteNameFile(const PerformancePage& page, std::string_view section, int position) {
    if (const std::optional<std::string> name = SelectedProfile(page)) {
        name_file::WriteSelectedPosition(*name, section, position);
    }
}

void SetText(const PerformancePage& page, std::string_view name, std::string text) {
    if (toolkit::CControlUI* control = Find(page, name)) {
        control->SetText(std::move(text));
    }
}

void SetBkImage(const PerformancePage& page, std::string_view name, std::string image) {
    if (toolkit::CControlUI* control = Find(page, name)) {
        control->SetBkImage(std::move(image));
    }
}

void ShowSensitivity(const PerformancePage& page, int level, int sliderValue) {
    const int shown = mouse::ShownSensitivity(mouse::SensitivityBase(page.image.info), sliderValue);
    SetText(page, names::DpiLabel(level), std::to_string(shown));
}

toolkit::Color LevelColour(const mouse::MouseImage& image, int level) {
    const size_t first = mouse::DpiColourOffset(level);
    return kOpaque | static_cast<toolkit::Color>(image.block.Get(first)) << 16 |
           static_cast<toolkit::Color>(image.block.Get(first + 1)) << 8 |
           image.block.Get(first + 2);
}

// A number typed into an edit, as the wheel takes it: 1 … 100 lines.
int WheelLinesIn(const toolkit::CControlUI& edit) {
    return std::clamp(toolkit::ParseInt(edit.GetText()), 1, mouse::kMaxWheelLines);
}

// ----------------------------------------------------------------------------------------------
// Sensitivity levels

void OnDpiSlider(const PerformancePage& page, int level, const toolkit::CSliderUI& slider) {
    const int value = slider.GetValue();
    ShowSensitivity(page, level, value);
    page.image.block.Set(mouse::DpiLevelOffset(level), static_cast<uint8_t>(value));
    MarkDirty(page);
    SaveProfile(page);
}

void OnDpiColour(const PerformancePage& page, int level, toolkit::CControlUI& button) {
    if (!page.chooseColour) {
        return;
    }
    const std::optional<toolkit::Color> chosen = page.chooseColour(button.GetBkColor());
    if (!chosen) {
        return;
    }
    button.SetBkColor(*chosen);
    const size_t first = mouse::DpiColourOffset(level);
    page.image.block.Set(first, static_cast<uint8_t>(*chosen >> 16));
    page.image.block.Set(first + 1, static_cast<uint8_t>(*chosen >> 8));
    page.image.block.Set(first + 2, static_cast<uint8_t>(*chosen));
    MarkDirty(page);
    profile::SaveMouseProfile(page.image, ProfileType::kDevice);
}

// ----------------------------------------------------------------------------------------------
// Report rate

void OnRateButton(const PerformancePage& page, int code) {
    WriteNameFile(page, name_file::kUsbRateSection, code);
    SetBkImage(page, names::kRateImage, std::string(RateImage(code)));
    // Sent at once into the active record; a slot byte that names no record sends nothing
    // there, and the next write-out carries the rate all the same.
    if (const auto slot = mouse::SlotIndex(page.image.block.Get(mouse::kActiveSlot))) {
        const std::array<uint8_t, 1> rate = {static_cast<uint8_t>(code)};
        device::WriteParams(
            page.link, static_cast<uint16_t>(*slot * mouse::kParamRecordSize + mouse::kReportRate),
            rate);
    }
    page.image.block.Set(mouse::kReportRate, static_cast<uint8_t>(code));
    MarkDirty(page);
    SaveProfile(page);
}

void OnRateCombo(const PerformancePage& page, const toolkit::CListUI& combo) {
    const int code = combo.GetCurSel();
    if (code < 0 || code >= mouse::kReportRateCount) {
        return;  // no rate selected: nothing to store
    }
    page.image.block.Set(mouse::kReportRate, static_cast<uint8_t>(code));
    MarkDirty(page);
    profile::SaveMouseProfile(page.image, ProfileType::kLight);
}

// ----------------------------------------------------------------------------------------------
// System settings

void OnPointerSpeed(const PerformancePage& page, toolkit::CSliderUI& slider) {
    const int position = slider.GetValue();
    WriteNameFile(page, name_file::kMouseSpeedSection, position);
    slider.SetBkImage(SpeedImage(position));
    page.image.pointerSpeed = mouse::PointerSpeedOfPosition(position);
    mouse::ApplyPointerSpeed(page.image, page.systemCalls);
    SaveProfile(page);
}

void OnDoubleClickSpeed(const PerformancePage& page, toolkit::CSliderUI& slider) {
    const int position = slider.GetValue();
    WriteNameFile(page, name_file::kDoubleClickSection, position);
    slider.SetBkImage(SpeedImage(position));
    mouse::ApplyDoubleClickTime(mouse::DoubleClickSettingOfPosition(position), page.systemCalls);
    SaveProfile(page);
}

void SetWheelLines(const PerformancePage& page, int lines) {
    page.image.wheelLines = lines;
    mouse::ApplyWheelLines(page.image, page.systemCalls);
}

void SelectWithoutEvent(const PerformancePage& page, std::string_view name, bool selected) {
    if (auto* option = Find<toolkit::COptionUI>(page, name)) {
        option->Selected(selected, false);
    }
}

void EnableWheelSteps(const PerformancePage& page, bool enabled) {
    for (std::string_view name : {names::kWheelUp, names::kWheelDown}) {
        if (toolkit::CControlUI* button = Find(page, name)) {
            button->SetEnabled(enabled);
        }
    }
}

void OnWheelRows(const PerformancePage& page) {
    SelectWithoutEvent(page, names::kWheelRows, true);
    EnableWheelSteps(page, true);
    SelectWithoutEvent(page, names::kWheelScreen, false);
    const toolkit::CControlUI* edit = Find(page, names::kWheelEdit);
    SetWheelLines(page, edit != nullptr ? WheelLinesIn(*edit) : page.image.wheelLines);
    // Kept in the profile like every other edit, so the mode survives a restart.
    SaveProfile(page);
}

void OnWheelScreen(const PerformancePage& page) {
    SelectWithoutEvent(page, names::kWheelRows, false);
    EnableWheelSteps(page, false);
    SelectWithoutEvent(page, names::kWheelScreen, true);
    SetWheelLines(page, platform::shell::kWheelScrollsPage);
    SaveProfile(page);
}

void OnWheelStep(const PerformancePage& page, bool up) {
    toolkit::CControlUI* edit = Find(page, names::kWheelEdit);
    if (edit == nullptr) {
        return;
    }
    const int typed = toolkit::ParseInt(edit->GetText());
    const int lines = up ? mouse::WheelLinesUp(typed) : mouse::WheelLinesDown(typed);
    edit->SetText(std::to_string(lines));
    SetWheelLines(page, lines);
    SaveProfile(page);
}

// The wheel edit of the alternative skin: cut to the largest value while typing, applied when
// it loses the focus.
void LimitWheelEdit(toolkit::CControlUI& edit) {
    if (toolkit::ParseInt(edit.GetText()) > mouse::kMaxWheelLines) {
        edit.SetText(std::to_string(mouse::kMaxWheelLines));
    }
}

void OnWheelEdit(const PerformancePage& page, const toolkit::CControlUI& edit) {
    SetWheelLines(page, WheelLinesIn(edit));
    profile::SaveMouseProfile(page.image, ProfileType::kDevice);
}

// ----------------------------------------------------------------------------------------------
// Dispatch

bool OnClick(const PerformancePage& page, toolkit::CControlUI& sender) {
    if (const auto level = NumberIn(names::kDpiColourButtons, sender)) {
        OnDpiColour(page, *level, sender);
    } else if (const auto rate = NumberIn(names::kRateButtons, sender)) {
        OnRateButton(page, *rate - names::kRateButtons.first);
    } else if (Is(sender, names::kWheelUp) || Is(sender, names::kWheelDown)) {
        OnWheelStep(page, Is(sender, names::kWheelUp));
    } else {
        return false;
    }
    return true;
}

bool OnValueChanged(const PerformancePage& page, toolkit::CControlUI& sender) {
    auto* slider = dynamic_cast<toolkit::CSliderUI*>(&sender);
    if (slider == nullptr) {
        return false;
    }
    if (const auto level = NumberIn(names::kDpiSliders, sender)) {
        OnDpiSlider(page, *level, *slider);
    } else if (Is(sender, names::kPointerSpeedSlider)) {
        OnPointerSpeed(page, *slider);
    } else if (Is(sender, names::kDoubleClickSlider)) {
        OnDoubleClickSpeed(page, *slider);
    } else {
        return false;
    }
    return true;
}

bool OnSelectChanged(const PerformancePage& page, const toolkit::CControlUI& sender) {
    const auto* option = dynamic_cast<const toolkit::COptionUI*>(&sender);
    if (option == nullptr || !(Is(sender, names::kWheelRows) || Is(sender, names::kWheelScreen))) {
        return false;
    }
    // The option that lost its selection to the other one has nothing to do.
    if (option->IsSelected()) {
        Is(sender, names::kWheelRows) ? OnWheelRows(page) : OnWheelScreen(page);
    }
    return true;
}

}  // namespace

std::string_view RateImage(int code) {
    return kRateImages.at(static_cast<size_t>(code));
}

std::string SpeedImage(int position) {
    return "ulmar/" + std::to_string(std::clamp(position, 0, kMaxSpeedPosition) + 1) + ".png";
}

bool OnPerformanceNotify(const PerformancePage& page, const toolkit::TNotifyUI& msg) {
    if (msg.sender == nullptr) {
        return false;
    }
    toolkit::CControlUI& sender = *msg.sender;
    if (msg.type == notify::kClick) {
        return OnClick(page, sender);
    }
    if (msg.type == notify::kValueChanged) {
        return OnValueChanged(page, sender);
    }
    if (msg.type == notify::kSelectChanged) {
        return OnSelectChanged(page, sender);
    }
    if (msg.type == notify::kItemSelect && Is(sender, names::kRateCombo)) {
        if (const auto* combo = dynamic_cast<const toolkit::CListUI*>(&sender)) {
            OnRateCombo(page, *combo);
        }
        return true;
    }
    if (msg.type == notify::kTextChanged && Is(sender, names::kAltWheelEdit)) {
        LimitWheelEdit(sender);
        return true;
    }
    if (msg.type == notify::kKillFocus && Is(sender, names::kAltWheelEdit)) {
        OnWheelEdit(page, sender);
        return true;
    }
    return false;
}

void ShowSelectedProfile(const PerformancePage& page, std::string_view profileName) {
    if (auto* slider = Find<toolkit::CSliderUI>(page, names::kPointSpeedSlider)) {
        slider->SetValue(page.image.pointerSpeed / kPointSpeedsPerPosition - 1);
    }
    mouse::ApplyPointerSpeed(page.image, page.systemCalls);

    if (const auto rate = name_file::ReadSelectedPosition(profileName, name_file::kUsbRateSection,
                                                          name_file::kUsbRateDefault, 0,
                                                          mouse::kReportRateCount - 1)) {
        SetBkImage(page, names::kRateImage, std::string(RateImage(*rate)));
    }
    struct SpeedSlider {
        std::string_view section;
        std::string_view name;
    };
    for (const SpeedSlider& speed :
         {SpeedSlider{name_file::kMouseSpeedSection, names::kPointerSpeedSlider},
          SpeedSlider{name_file::kDoubleClickSection, names::kDoubleClickSlider}}) {
        const auto position = name_file::ReadSelectedPosition(
            profileName, speed.section, name_file::kNotSet, 0, kMaxSpeedPosition);
        auto* slider = Find<toolkit::CSliderUI>(page, speed.name);
        if (position && slider != nullptr) {
            // The thumb follows the picture, so the two never disagree.
            slider->SetValue(*position);
            slider->SetBkImage(SpeedImage(*position));
        }
    }
}

void FillDpiControls(const PerformancePage& page) {
    const uint8_t limit = mouse::SliderLimit(page.image.info);
    for (int level = 1; level <= mouse::kDpiLevelCount; ++level) {
        const size_t offset = mouse::DpiLevelOffset(level);
        if (limit != 0 && page.image.block.Get(offset) > limit) {
            page.image.block.Set(offset, limit);
            MarkDirty(page);
        }
        const uint8_t stored = page.image.block.Get(offset);
        if (auto* slider = Find<toolkit::CSliderUI>(page, names::DpiSlider(level))) {
            slider->SetMinValue(0);
            slider->SetMaxValue(limit);
            slider->SetValue(stored);
        }
        ShowSensitivity(page, level, stored);
    }
    for (int level = 1; level <= mouse::kDpiLevelCount; ++level) {
        if (toolkit::CControlUI* button = Find(page, names::DpiColourButton(level))) {
            button->SetBkColor(LevelColour(page.image, level));
        }
    }
}

}  // namespace app
