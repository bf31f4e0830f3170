// The mouse performance page in the main window: edits reach the simulated mouse, the profile
// files and the system settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/control_names.h"
#include "app/mouse_performance_page.h"
#include "devices_fixture.h"
#include "devsim/device_memory.h"
#include "devsim/mouse_model.h"
#include "devsim/protocol.h"
#include "mouse/performance.h"
#include "platform/fs/profile_string.h"
#include "platform/msg/post.h"
#include "platform/shell/system_parameters.h"
#include "profile/mouse_name_file.h"
#include "profile/profile_store.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/test_driver.h"
#include "ui/windows/pallet_dialog.h"

namespace app::testing {
namespace {

namespace names = controls::mouse_performance;
namespace name_file = profile::name_file;

class PerformancePageTest : public DevicesTest {
protected:
    // Starts with the mouse read and the performance page shown.
    CMainWnd& StartWithMouse() {
        simulator_.mouse().Plug();
        CMainWnd& window = Start();
        const mouse::MouseImage& image = window.Devices().mouse;
        EXPECT_TRUE(RunUntil(
            [&] { return MainVisible() && image.info == simulator_.mouse().memory().info; }));
        driver_.emplace(window.GetPaintManager());
        EXPECT_TRUE(driver_->Click(controls::device_tabs::kMousePerformancePage));
        return window;
    }

    uint8_t MouseParam(size_t offset) { return simulator_.mouse().memory().params.at(offset); }

    // What the selected profile's name file holds under the section's "select" key.
    static std::string NameFileValue(std::string_view section) {
        return platform::fs::GetProfileString(section, name_file::kSelectKey, "absent",
                                              name_file::NameFilePath("profile1"));
    }

    // Record 0 of the stored device profile.
    static mouse::ParamRecord StoredRecord() {
        mouse::MouseImage stored;
        EXPECT_EQ(profile::LoadMouseProfile(stored, profile::ProfileType::kDevice, 0),
                  profile::kLoaded);
        return stored.records[0];
    }

    std::optional<toolkit::CTestDriver> driver_;
};

TEST_F(PerformancePageTest, SensitivityLevelReachesTheMouseTheLabelAndTheProfile) {
    CMainWnd& window = StartWithMouse();
    auto* slider = dynamic_cast<toolkit::CSliderUI*>(Control(names::DpiSlider(2)));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetMaxValue(), devsim::mouse::kMaxDpiSlider);  // the range the mouse allows

    ASSERT_TRUE(driver_->SetValue(slider, 49));
    const size_t level2 = mouse::DpiLevelOffset(2);
    EXPECT_EQ(Control(names::DpiLabel(2))->GetText(),
              std::to_string(devsim::mouse::kMinDpi + 25 * 200));
    EXPECT_EQ(window.Devices().mouse.block.Get(level2), 49);
    EXPECT_EQ(StoredRecord()[level2], 49);
    // The 100 ms write-out sends the block.
    EXPECT_TRUE(RunUntil([&] { return MouseParam(level2) == 49; }));
}

TEST_F(PerformancePageTest, RefreshLowersLevelsAboveTheMousesLimitAndSendsThem) {
    constexpr uint8_t kLimit = 10;
    simulator_.mouse().EditMemory(
        [](devsim::DeviceMemory& memory) { memory.info[devsim::kInfoMaxDpiSlider] = kLimit; });
    CMainWnd& window = StartWithMouse();
    const mouse::MouseImage& image = window.Devices().mouse;
    for (int level = 1; level <= mouse::kDpiLevelCount; ++level) {
        EXPECT_LE(image.block.Get(mouse::DpiLevelOffset(level)), kLimit) << level;
        EXPECT_EQ(
            dynamic_cast<toolkit::CSliderUI*>(Control(names::DpiSlider(level)))->GetMaxValue(),
            kLimit);
    }
    // The default profile has levels above the limit, so something was lowered and sent.
    const size_t level6 = mouse::DpiLevelOffset(6);
    EXPECT_EQ(image.block.Get(level6), kLimit);
    EXPECT_TRUE(RunUntil([&] { return MouseParam(level6) == kLimit; }));

    // Without a limit from the mouse a stored level stays as it is.
    mouse::MouseImage& editable = window.Devices().mouse;
    editable.info[mouse::kInfoMaxDpiSlider] = 0;
    editable.block.Set(level6, 200);
    mouse::SystemSettingCalls calls;
    FillDpiControls({window.GetPaintManager(), editable, window.MouseLink(), calls, {}});
    EXPECT_EQ(editable.block.Get(level6), 200);
}

TEST_F(PerformancePageTest, RateButtonSendsTheRateAtOnceAndKeepsIt) {
    CMainWnd& window = StartWithMouse();
    SettlePass(window.MouseLink());
    simulator_.mouse().ClearLog();

    ASSERT_TRUE(driver_->Click(names::RateButton(0)));
    EXPECT_EQ(Control(names::kRateImage)->GetBkImage(), "ulmar/125.png");
    EXPECT_EQ(NameFileValue(name_file::kUsbRateSection), "0");
    EXPECT_EQ(StoredRecord()[mouse::kReportRate], 0);
    // One byte at once, then the whole block with the next write-out.
    const auto log = simulator_.mouse().log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().command, devsim::command::kWriteParams);
    EXPECT_EQ(log.front().offset, mouse::kReportRate);
    EXPECT_EQ(log.front().data, std::vector<uint8_t>{0});
    EXPECT_TRUE(RunUntil([&] {
        const auto writes = simulator_.mouse().log();
        return std::ranges::any_of(writes, [](const devsim::ExchangeRecord& record) {
            return record.command == devsim::command::kWriteParams && record.offset == 0 &&
                   record.data.at(mouse::kReportRate) == 0;
        });
    }));
}

TEST_F(PerformancePageTest, SystemSettingsFollowTheirControls) {
    CMainWnd& window = StartWithMouse();
    const mouse::MouseImage& image = window.Devices().mouse;

    ASSERT_TRUE(driver_->SetValue(Control(names::kPointerSpeedSlider), 0));
    EXPECT_EQ(image.pointerSpeed, 1);
    EXPECT_EQ(Control(names::kPointerSpeedSlider)->GetBkImage(), "ulmar/1.png");
    EXPECT_EQ(NameFileValue(name_file::kMouseSpeedSection), "0");
    ASSERT_TRUE(driver_->SetValue(Control(names::kDoubleClickSlider), 3));
    EXPECT_EQ(NameFileValue(name_file::kDoubleClickSection), "3");
    EXPECT_TRUE(RunUntil([] {
        return platform::shell::GetPointerSpeed() == 1 &&
               platform::shell::GetDoubleClickTime() == 700;
    }));

    // One screen per notch is 255 lines, and the step buttons are off meanwhile.
    ASSERT_TRUE(driver_->Click(names::kWheelScreen));
    EXPECT_FALSE(Control(names::kWheelUp)->IsEnabled());
    EXPECT_TRUE(RunUntil([] {
        return platform::shell::GetWheelScrollLines() == platform::shell::kWheelScrollsPage;
    }));
    EXPECT_EQ(StoredRecord()[mouse::kWheelLines], platform::shell::kWheelScrollsPage);

    // Back to lines: the edit's number, then steps that stop at 100.
    Control(names::kWheelEdit)->SetText("100");
    ASSERT_TRUE(driver_->Click(names::kWheelRows));
    ASSERT_TRUE(driver_->Click(names::kWheelUp));
    EXPECT_EQ(Control(names::kWheelEdit)->GetText(), "100");
    EXPECT_TRUE(RunUntil([] { return platform::shell::GetWheelScrollLines() == 100; }));
    EXPECT_EQ(image.wheelLines, 100);
}

TEST_F(PerformancePageTest, SelectedProfileShowsWhatItsNameFileKeeps) {
    ASSERT_TRUE(name_file::WriteSelectedPosition("profile1", name_file::kUsbRateSection, 0));
    ASSERT_TRUE(name_file::WriteSelectedPosition("profile1", name_file::kMouseSpeedSection, 3));
    ASSERT_TRUE(name_file::WriteSelectedPosition("profile1", name_file::kDoubleClickSection, 100));
    CMainWnd& window = StartWithMouse();

    EXPECT_EQ(Control(names::kRateImage)->GetBkImage(), "ulmar/125.png");
    auto* pointer = dynamic_cast<toolkit::CSliderUI*>(Control(names::kPointerSpeedSlider));
    EXPECT_EQ(pointer->GetValue(), 3);
    EXPECT_EQ(pointer->GetBkImage(), "ulmar/4.png");
    // "Not set" leaves the skin's own position.
    EXPECT_EQ(Control(names::kDoubleClickSlider)->GetBkImage(), "ulmar/6.png");
    // The profile's pointer speed is applied and shown on the point-speed slider.
    const int speed = window.Devices().mouse.pointerSpeed;
    EXPECT_EQ(dynamic_cast<toolkit::CSliderUI*>(Control(names::kPointSpeedSlider))->GetValue(),
              speed / 2 - 1);
    EXPECT_TRUE(RunUntil([&] { return platform::shell::GetPointerSpeed() == speed; }));
}

TEST_F(PerformancePageTest, LevelColourIsTakenOnlyWhenTheUserConfirms) {
    CMainWnd& window = StartWithMouse();
    mouse::MouseImage& image = window.Devices().mouse;
    mouse::SystemSettingCalls calls;
    std::optional<toolkit::Color> answer;
    const PerformancePage page{window.GetPaintManager(), image, window.MouseLink(), calls,
                               [&answer](toolkit::Color) { return answer; }};
    toolkit::CControlUI* button = Control(names::DpiColourButton(2));
    const size_t red = mouse::DpiColourOffset(2);
    const auto clickButton = [&] {
        toolkit::TNotifyUI click;
        click.type = toolkit::notify::kClick;
        click.sender = button;
        return OnPerformanceNotify(page, click);
    };

    const toolkit::Color before = button->GetBkColor();
    image.paramsDirty = false;
    ASSERT_TRUE(clickButton());  // declined
    EXPECT_EQ(button->GetBkColor(), before);
    EXPECT_FALSE(image.paramsDirty);

    answer = 0xFF123456;
    ASSERT_TRUE(clickButton());
    EXPECT_EQ(button->GetBkColor(), 0xFF123456U);
    EXPECT_EQ(image.block.Get(red), 0x12);
    EXPECT_EQ(image.block.Get(red + 1), 0x34);
    EXPECT_EQ(image.block.Get(red + 2), 0x56);
    EXPECT_TRUE(image.paramsDirty);
    EXPECT_EQ(StoredRecord()[red + 2], 0x56);
}

TEST_F(PerformancePageTest, LevelButtonOpensTheColourDialogOverTheMainWindow) {
    CMainWnd& window = StartWithMouse();
    // The dialog's modal loop runs inside the click; the user picks a swatch and confirms.
    platform::msg::PostTask(window.GetHWND(), [] {
        ASSERT_EQ(ui::CPalletDialog::OpenDialogs().size(), 1U);
        toolkit::CTestDriver dialog(ui::CPalletDialog::OpenDialogs().front()->GetPaintManager());
        ASSERT_TRUE(dialog.Click("ms_dpi_color_png_12"));  // 0xFFFEF500
        ASSERT_TRUE(dialog.Click("okbtn"));
    });
    ASSERT_TRUE(driver_->Click(names::DpiColourButton(1)));
    EXPECT_TRUE(ui::CPalletDialog::OpenDialogs().empty());
    EXPECT_EQ(Control(names::DpiColourButton(1))->GetBkColor(), 0xFFFEF500U);
    const size_t red = mouse::DpiColourOffset(1);
    EXPECT_TRUE(RunUntil([&] {
        return MouseParam(red) == 0xFE && MouseParam(red + 1) == 0xF5 && MouseParam(red + 2) == 0;
    }));
}

}  // namespace
}  // namespace app::testing
