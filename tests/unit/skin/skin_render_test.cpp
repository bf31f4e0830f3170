// Renders the main window on each device tab and page, and every secondary window, to PNG
// files in the build tree (paths printed) for a person to look at, in English and Chinese.

#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "app/control_names.h"
#include "skin_harness.h"
#include "toolkit/core/container.h"
#include "toolkit/core/headless_host.h"
#include "toolkit/core/label.h"
#include "toolkit/core/list.h"
#include "ui/controls/device_key_button.h"

namespace skin_test {
namespace {

namespace names = app::controls;

// Rows as the macro manager builds them, so the render shows the row styles at work.
void AddManagerRows(SkinWindow& window) {
    auto* list =
        dynamic_cast<toolkit::CListUI*>(window.FindControl(names::macro_manager::kActionList));
    ASSERT_NE(list, nullptr);
    auto row = [list](std::string_view element, std::string_view first, std::string_view second,
                      const std::string& text) {
        auto item = std::make_unique<toolkit::CListContainerElementUI>();
        item->SetName(std::string(element));
        item->SetAttribute("height", "20");
        auto icon = std::make_unique<toolkit::CLabelUI>();
        icon->SetAttribute("style", first);
        auto label = std::make_unique<toolkit::CLabelUI>();
        label->SetAttribute("style", second);
        label->SetText(text);
        item->Add(std::move(icon));
        item->Add(std::move(label));
        list->Add(std::move(item));
    };
    namespace styles = names::styles;
    row(names::macro_manager::kActionRow, styles::kManagerDown, styles::kManagerKey, "A");
    row(names::macro_manager::kDelayRow, styles::kManagerDelayIcon, styles::kManagerDelayTime,
        "50");
    row(names::macro_manager::kActionRow, styles::kManagerUp, styles::kManagerKey, "A");
    row(names::macro_manager::kDelayRow, styles::kManagerDelayIcon, styles::kManagerDelayTime,
        "50");
    row(names::macro_manager::kActionRow, styles::kManagerDown, styles::kManagerMouse, "MS-L");
}

// Packed green << 16 | blue << 8 | red of a hue step, as the previews write it.
uint32_t RainbowPacked(int step, int steps) {
    double hue = 6.0 * step / steps;
    auto channel = [hue](double offset) {
        double x = std::fmod(hue + offset, 6.0);
        double v = x < 1 ? x : x < 3 ? 1 : x < 4 ? 4 - x : 0;
        return static_cast<uint32_t>(v * 255);
    };
    uint32_t red = channel(2), green = channel(0), blue = channel(4);
    return green << 16 | blue << 8 | red;
}

void LightPreviews(SkinWindow& window) {
    auto light = [&window](const names::NameRange& range) {
        for (int i = range.first; i <= range.last; ++i) {
            if (toolkit::CControlUI* zone = window.FindControl(names::NumberedName(range, i))) {
                zone->SetIsChangerColor(true);
                zone->SetChangerColor(RainbowPacked(i, range.last + 1));
                zone->SetChangerAlpha(255);
            }
        }
    };
    light(names::preview::kMouseZones);
    light(names::preview::kPadZones);
    for (int i = 0; i <= names::preview::kKeyboardKeys.last; ++i) {
        auto* key = dynamic_cast<ui::CDeviceKeyButtonUI*>(
            window.FindControl(names::preview::KeyboardKey(i)));
        ASSERT_NE(key, nullptr);
        key->SetLightShown(1);
        key->SetLightColour(RainbowPacked(i % 21, 21));
        key->SetLightAlpha(160);
        key->SetKeySetHidden(i % 17 == 3 ? 0 : 1);
    }
}

class SkinRenderTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        std::filesystem::create_directories(KAVRIN_RENDER_DIR);
        toolkit::SetWindowHost(host_);
    }
    void TearDown() override { toolkit::SetWindowHost(nullptr); }

    // Writes the window as "<name>_<language>.png" and checks the image has the window's size.
    void Render(SkinWindow& window, const std::string& name) {
        std::string language = std::string(GetParam()).substr(4, 2);
        std::string path = std::string(KAVRIN_RENDER_DIR) + name + "_" + language + ".png";
        window.ShowWindow(true);
        ASSERT_TRUE(host_->RenderToPng(window.GetHWND(), path)) << path;
        cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
        EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_image_surface_get_width(image),
                  window.GetPaintManager().ScaleByDPI(window.GetPaintManager().GetClientSize().cx));
        cairo_surface_destroy(image);
        std::printf("rendered %s\n", path.c_str());
    }

    static void Select(SkinWindow& window, std::string_view option) {
        auto* control = dynamic_cast<toolkit::COptionUI*>(window.FindControl(option));
        ASSERT_NE(control, nullptr) << option;
        control->SetVisible(true);
        control->Selected(true, false);
    }

    std::shared_ptr<toolkit::CHeadlessHost> host_ = std::make_shared<toolkit::CHeadlessHost>();
};

TEST_P(SkinRenderTest, MainWindowOnEveryTabAndPage) {
    ShippedSkin skin(GetParam());
    SkinWindow window(std::string(names::skin::kMainResource));
    ASSERT_TRUE(window.Create(toolkit::HWND(), "KAVRIN ZR417", 0, 0));
    for (std::string_view tab : {names::device_tabs::kMouseTab, names::device_tabs::kKeyboardTab,
                                 names::device_tabs::kPadTab}) {
        window.FindControl(tab)->SetVisible(true);
    }
    const std::pair<std::string_view, const char*> mousePages[] = {
        {names::device_tabs::kMousePerformancePage, "main_mouse_performance"},
        {names::device_tabs::kMouseKeyPage, "main_mouse_buttons"},
        {names::device_tabs::kMouseLightPage, "main_mouse_lighting"},
        {names::device_tabs::kMouseMacroPage, "main_mouse_macros"},
        {names::device_tabs::kMouseCursorPage, "main_mouse_cursor"},
    };
    Select(window, names::device_tabs::kMouseTab);
    // The page options switch the page tabs through their binding, without program code.
    auto* pages = dynamic_cast<toolkit::CTabLayoutUI*>(window.FindControl("ms_page_tabs"));
    ASSERT_NE(pages, nullptr);
    int index = 0;
    for (const auto& [page, file] : mousePages) {
        Select(window, page);
        EXPECT_EQ(pages->GetCurSel(), index++) << page;
        Render(window, file);
    }
    // The button menu and the profile panel open over the mouse page.
    window.FindControl(names::mouse_buttons::kMenu)->SetVisible(true);
    window.FindControl(names::mouse_buttons::kMediaList)->SetVisible(true);
    Render(window, "main_mouse_button_menu");
    window.FindControl(names::mouse_buttons::kMenu)->SetVisible(false);
    window.FindControl(names::mouse_buttons::kMediaList)->SetVisible(false);
    window.FindControl(names::mouse_profiles::kPanel)->SetVisible(true);
    Render(window, "main_mouse_profiles");
    window.FindControl(names::mouse_profiles::kPanel)->SetVisible(false);

    // The previews light the zones and keys: a rainbow across them, as the lighting threads would.
    LightPreviews(window);
    Select(window, names::mouse_buttons::kSideView);
    auto* views =
        dynamic_cast<toolkit::CTabLayoutUI*>(window.FindControl(names::mouse_buttons::kViewTabs));
    ASSERT_NE(views, nullptr);
    views->SelectItem(1);
    Render(window, "main_mouse_side");
    views->SelectItem(0);
    Select(window, names::mouse_buttons::kFrontView);
    Render(window, "main_mouse_lit");
    // Pointing at the middle button's label: its picture part and frame show the hover images.
    window.FindControl(names::mouse_buttons::Picture(3))->SetBkImage("file='ulmar/btn_3_0.png'");
    window.FindControl(names::mouse_buttons::Frame(3))->SetBkImage("file='ulmar/F-3-over.png'");
    Render(window, "main_mouse_hover");

    Select(window, names::device_tabs::kKeyboardTab);
    const std::pair<std::string_view, const char*> keyboardPages[] = {
        {names::device_tabs::kKeyboardKeyPage, "main_keyboard_keys"},
        {"kb_deng_Op_tab", "main_keyboard_lighting"},
        {"kb_macro_Op_tab", "main_keyboard_macros"},
    };
    for (const auto& [page, file] : keyboardPages) {
        Select(window, page);
        Render(window, file);
    }
    Select(window, names::device_tabs::kPadTab);
    Render(window, "main_mousepad");
}

// Texts and pictures stay legible on a 150 % display.
TEST_P(SkinRenderTest, MainWindowAtOneAndAHalfTimesScale) {
    ShippedSkin skin(GetParam());
    SkinWindow window(std::string(names::skin::kMainResource));
    ASSERT_TRUE(window.Create(toolkit::HWND(), "KAVRIN ZR417", 0, 0));
    window.SetDPI(144);
    Select(window, names::device_tabs::kMouseTab);
    Select(window, names::device_tabs::kMouseLightPage);
    Render(window, "main_mouse_lighting_150");
    Select(window, names::device_tabs::kKeyboardTab);
    Select(window, names::device_tabs::kKeyboardKeyPage);
    Render(window, "main_keyboard_keys_150");
}

TEST_P(SkinRenderTest, EverySecondaryWindow) {
    ShippedSkin skin(GetParam());
    const std::pair<std::string_view, const char*> windows[] = {
        {names::skin::kMessageResource, "message"},
        {names::skin::kPalette, "palette"},
        {names::skin::kMacroManager, "macro_manager"},
        {names::skin::kMacroSelect, "macro_select"},
        {names::skin::kDelay, "delay"},
        {names::skin::kKeyCapture, "key_capture"},
        {names::skin::kSkinChooser, "skin_chooser"},
        {names::skin::kAbout, "about"},
    };
    for (const auto& [file, name] : windows) {
        SkinWindow window{std::string(file)};
        ASSERT_TRUE(window.Create(toolkit::HWND(), name, 0, 0)) << file;
        if (file == names::skin::kMacroManager) {
            AddManagerRows(window);
        }
        Render(window, name);
    }
    // The tray menu has no window settings of its own: render it at the menu's width.
    SkinWindow menu{std::string(names::skin::kTrayMenu)};
    ASSERT_TRUE(menu.Create(toolkit::HWND(), "menu", 0, 0, 0, 0, 150, 84));
    Render(menu, "tray_menu");
}

INSTANTIATE_TEST_SUITE_P(Languages, SkinRenderTest, ::testing::Values("lan_en.xml", "lan_cn.xml"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param).substr(4, 2);
                         });

}  // namespace
}  // namespace skin_test
