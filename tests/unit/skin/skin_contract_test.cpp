// The shipped skin against the names the program looks up: every required control exists in
// its skin file with the kind the program treats it as, every image the skins name was drawn
// by the build, and the row styles the program applies are defined.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include <pugixml.hpp>

#include "app/control_names.h"
#include "skin_harness.h"
#include "toolkit/core/color_palette.h"
#include "toolkit/core/container.h"
#include "toolkit/core/edit.h"
#include "toolkit/core/list.h"
#include "toolkit/core/progress.h"
#include "toolkit/core/text_util.h"
#include "toolkit/render/image_spec.h"
#include "ui/controls/device_key_button.h"

namespace skin_test {
namespace {

namespace names = app::controls;
using toolkit::CControlUI;

// Every skin file the program opens, built as the program builds it.
std::vector<std::string_view> SkinFiles() {
    std::vector<std::string_view> files;
    for (const auto& control : names::AllSkinControls()) {
        if (std::find(files.begin(), files.end(), control.skin) == files.end()) {
            files.push_back(control.skin);
        }
    }
    files.push_back(names::skin::kSkinChooser);
    return files;
}

struct BuiltSkin {
    std::unique_ptr<toolkit::CPaintManagerUI> manager =
        std::make_unique<toolkit::CPaintManagerUI>();
    std::unique_ptr<CControlUI> root;
    std::map<std::string, CControlUI*> byName;  // first control of each name, as FindControl
    std::string error;
};

BuiltSkin Build(std::string_view file) {
    BuiltSkin built;
    PlaceholderCallback callback(built.manager.get());
    toolkit::CDialogBuilder builder;
    built.root = builder.Create(file, {}, &callback, built.manager.get());
    built.error = builder.GetLastError();
    if (built.root != nullptr) {
        built.root->ForEach(
            [&built](CControlUI& control) { built.byName.emplace(control.GetName(), &control); });
    }
    return built;
}

class SkinContractTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        skin_ = new ShippedSkin();
        built_ = new std::map<std::string_view, BuiltSkin>();
        for (std::string_view file : SkinFiles()) {
            built_->emplace(file, Build(file));
        }
    }
    static void TearDownTestSuite() {
        delete built_;
        delete skin_;
    }
    static const BuiltSkin& Skin(std::string_view file) { return built_->at(file); }
    static CControlUI* Find(std::string_view file, std::string_view name) {
        const auto& controls = Skin(file).byName;
        auto found = controls.find(std::string(name));
        return found != controls.end() ? found->second : nullptr;
    }

private:
    static ShippedSkin* skin_;
    static std::map<std::string_view, BuiltSkin>* built_;
};

ShippedSkin* SkinContractTest::skin_ = nullptr;
std::map<std::string_view, BuiltSkin>* SkinContractTest::built_ = nullptr;

TEST_F(SkinContractTest, EverySkinFileBuilds) {
    for (std::string_view file : SkinFiles()) {
        EXPECT_NE(Skin(file).root, nullptr) << file << ": " << Skin(file).error;
    }
    EXPECT_EQ(toolkit::CResourceManager::GetInstance().ResolvePath(names::skin::kMainResource),
              ShippedSkin::Folder() + std::string(names::skin::kMain));
    EXPECT_EQ(toolkit::CResourceManager::GetInstance().ResolvePath(names::skin::kMessageResource),
              ShippedSkin::Folder() + std::string(names::skin::kMessage));
}

TEST_F(SkinContractTest, EveryRequiredControlExistsInItsSkinFile) {
    std::vector<std::string> missing;
    for (const auto& control : names::AllSkinControls()) {
        if (control.need == names::Need::kRequired && Find(control.skin, control.name) == nullptr) {
            missing.push_back(std::string(control.skin) + ": " + control.name);
        }
    }
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

// The main window shows its pages through the placeholders, so the main skin holds the names
// of every page too.
TEST_F(SkinContractTest, MainSkinHoldsEveryPageThroughItsPlaceholders) {
    std::vector<std::string> missing;
    for (const auto& control : names::AllSkinControls()) {
        bool isPage = std::any_of(
            names::skin::kPlaceholders.begin(), names::skin::kPlaceholders.end(),
            [&control](const names::skin::Placeholder& p) { return p.file == control.skin; });
        if (isPage && control.need == names::Need::kRequired &&
            Find(names::skin::kMain, control.name) == nullptr) {
            missing.push_back(std::string(control.skin) + ": " + control.name);
        }
    }
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

// What the program does with a control decides its kind: values of sliders, selections of
// lists and combos, texts of edits, states of options.
enum class Kind {
    kSlider,
    kCombo,
    kList,
    kEdit,
    kOption,
    kButton,
    kTabs,
    kPalette,
    kKeyButton,
    kContainer
};

bool IsKind(CControlUI* control, Kind kind) {
    switch (kind) {
        case Kind::kSlider:
            return dynamic_cast<toolkit::CSliderUI*>(control) != nullptr;
        case Kind::kCombo:
            return dynamic_cast<toolkit::CComboUI*>(control) != nullptr;
        case Kind::kList:
            return dynamic_cast<toolkit::CListUI*>(control) != nullptr &&
                   dynamic_cast<toolkit::CComboUI*>(control) == nullptr;
        case Kind::kEdit:
            return dynamic_cast<toolkit::CEditUI*>(control) != nullptr;
        case Kind::kOption:
            return dynamic_cast<toolkit::COptionUI*>(control) != nullptr;
        case Kind::kButton:
            return dynamic_cast<toolkit::CButtonUI*>(control) != nullptr;
        case Kind::kTabs:
            return dynamic_cast<toolkit::CTabLayoutUI*>(control) != nullptr;
        case Kind::kPalette:
            return dynamic_cast<toolkit::CColorPaletteUI*>(control) != nullptr;
        case Kind::kKeyButton:
            return dynamic_cast<ui::CDeviceKeyButtonUI*>(control) != nullptr;
        case Kind::kContainer:
            return dynamic_cast<toolkit::CContainerUI*>(control) != nullptr;
    }
    return false;
}

struct KindRule {
    std::string_view skin;
    std::string name;
    Kind kind;
};

std::vector<KindRule> KindRules() {
    std::vector<KindRule> rules;
    auto add = [&rules](std::string_view skin, Kind kind, std::initializer_list<std::string> list) {
        for (const std::string& name : list) {
            rules.push_back({skin, name, kind});
        }
    };
    auto addRange = [&rules](std::string_view skin, Kind kind, const names::NameRange& range) {
        for (int i = range.first; i <= range.last; ++i) {
            rules.push_back({skin, names::NumberedName(range, i), kind});
        }
    };
    using namespace names;
    add(skin::kMain, Kind::kOption,
        {std::string(device_tabs::kMouseTab), std::string(device_tabs::kKeyboardTab),
         std::string(device_tabs::kPadTab), std::string(device_tabs::kMouseLightPage),
         std::string(device_tabs::kMouseKeyPage), std::string(device_tabs::kMousePerformancePage),
         std::string(device_tabs::kMouseMacroPage), std::string(device_tabs::kMouseCursorPage),
         std::string(device_tabs::kKeyboardKeyPage), std::string(mouse_buttons::kFrontView),
         std::string(mouse_buttons::kSideView)});
    add(skin::kMain, Kind::kTabs, {std::string(mouse_buttons::kViewTabs)});
    add(skin::kMain, Kind::kList, {std::string(mouse_profiles::kList)});
    add(skin::kMain, Kind::kEdit, {std::string(mouse_profiles::kRenameEdit)});
    addRange(skin::kMain, Kind::kKeyButton, preview::kKeyboardKeys);
    addRange(skin::kMain, Kind::kButton, mouse_buttons::kButtons);
    // Button menu entries act when they take the focus.
    add(skin::kMain, Kind::kButton,
        {std::string(mouse_buttons::kLeft), std::string(mouse_buttons::kMacro),
         std::string(mouse_buttons::kDpiUp), std::string(mouse_buttons::kMute),
         std::string(mouse_buttons::kRun), std::string(mouse_buttons::kPrint)});

    auto profile = [&](std::string_view skin, const ProfileListControls& c, Kind list) {
        add(skin, list, {std::string(c.list)});
        add(skin, Kind::kEdit, {std::string(c.nameEdit), std::string(c.linkEdit)});
        add(skin, Kind::kOption, {std::string(c.linkCheck)});
    };
    profile(skin::kMain, profile_lists::kKeyboardDevice, Kind::kCombo);
    profile(skin::kKeyboardKey, profile_lists::kKeyboardKey, Kind::kCombo);
    profile(skin::kKeyboardDeng, profile_lists::kKeyboardLight, Kind::kCombo);
    profile(skin::kMousePadDeng, profile_lists::kPadLight, Kind::kCombo);

    addRange(skin::kMouseDpi, Kind::kSlider, mouse_performance::kDpiSliders);
    addRange(skin::kMouseDpi, Kind::kButton, mouse_performance::kDpiColourButtons);
    addRange(skin::kMouseDpi, Kind::kButton, mouse_performance::kRateButtons);
    add(skin::kMouseDpi, Kind::kSlider,
        {std::string(mouse_performance::kPointerSpeedSlider),
         std::string(mouse_performance::kDoubleClickSlider),
         std::string(mouse_performance::kPointSpeedSlider),
         std::string(mouse_performance::kSensorHeightSlider)});
    add(skin::kMouseDpi, Kind::kCombo, {std::string(mouse_performance::kRateCombo)});
    add(skin::kMouseDpi, Kind::kEdit, {std::string(mouse_performance::kWheelEdit)});
    add(skin::kMouseDpi, Kind::kOption,
        {std::string(mouse_performance::kWheelRows), std::string(mouse_performance::kWheelScreen)});

    auto function = [&](std::string_view skin, const FunctionTabControls& c,
                        std::span<const NameRange> combos, std::span<const NameRange> edits) {
        add(skin, Kind::kCombo, {std::string(c.kindCombo)});
        for (const NameRange& range : combos) {
            addRange(skin, Kind::kCombo, range);
        }
        for (const NameRange& range : edits) {
            addRange(skin, Kind::kEdit, range);
        }
        for (std::string_view edit : c.moveEdits) {
            add(skin, Kind::kEdit, {std::string(edit)});
        }
    };
    function(skin::kMouseKey, mouse_function::kTab, mouse_function::kCombos,
             mouse_function::kEdits);
    function(skin::kKeyboardKey, keyboard_function::kTab, keyboard_function::kCombos,
             keyboard_function::kEdits);

    auto light = [&](std::string_view skin, const LightPageControls& c) {
        add(skin, Kind::kSlider, {std::string(c.brightnessSlider), std::string(c.speedSlider)});
        add(skin, Kind::kPalette, {std::string(c.palette)});
        add(skin, Kind::kButton, {std::string(c.colourButton)});
        add(skin, Kind::kEdit,
            {std::string(c.editRed), std::string(c.editGreen), std::string(c.editBlue)});
        add(skin, Kind::kOption, {std::string(c.cycleCheck), std::string(c.sameMode)});
        add(skin, Kind::kContainer,
            {std::string(c.fxGroup), std::string(c.colourGroup), std::string(c.cycleGroup),
             std::string(c.speedGroup)});
    };
    light(skin::kMouseDeng, mouse_light::kPage);
    light(skin::kKeyboardDeng, keyboard_light::kPage);
    light(skin::kMousePadDeng, pad_light::kPage);
    add(skin::kMouseDeng, Kind::kCombo, {std::string(mouse_light::kEffectList1)});
    add(skin::kKeyboardDeng, Kind::kCombo,
        {std::string(keyboard_light::kFullColourEffects),
         std::string(keyboard_light::kSingleColourEffects),
         std::string(keyboard_light::kCustomSetCombo)});
    add(skin::kKeyboardDeng, Kind::kOption,
        {std::string(keyboard_light::kDirectionLeft),
         std::string(keyboard_light::kDirectionRight)});
    add(skin::kMousePadDeng, Kind::kCombo,
        {std::string(pad_light::kEffectList), std::string(pad_light::kDeviceProfileCombo)});
    add(skin::kMousePadDeng, Kind::kOption,
        {std::string(pad_light::kDirectionLeft), std::string(pad_light::kDirectionRight)});

    add(skin::kMouseCursor, Kind::kEdit,
        {std::string(cursor::kDistanceX), std::string(cursor::kDistanceY),
         std::string(cursor::kDelay)});
    add(skin::kMouseCursor, Kind::kOption, {std::string(cursor::kLeft), std::string(cursor::kUp)});

    auto macro = [&](std::string_view skin, const MacroPageControls& c) {
        add(skin, Kind::kList, {std::string(c.macroList), std::string(c.actionList)});
        add(skin, Kind::kEdit,
            {std::string(c.nameEdit), std::string(c.keyDelayEdit), std::string(c.distanceEdit),
             std::string(c.mouseDelayEdit)});
        add(skin, Kind::kTabs, {std::string(c.editTabs)});
        add(skin, Kind::kCombo,
            {std::string(c.keyCombo), std::string(c.pressCombo), std::string(c.mouseCombo)});
    };
    macro(skin::kMouseMacro, mouse_macro::kPage);
    macro(skin::kKeyboardMacro, keyboard_macro::kPage);

    add(skin::kPalette, Kind::kPalette, {std::string(palette_dialog::kPalette)});
    addRange(skin::kPalette, Kind::kButton, palette_dialog::kSwatches);
    add(skin::kMacroManager, Kind::kList,
        {std::string(macro_manager::kMacroList), std::string(macro_manager::kActionList)});
    add(skin::kMacroManager, Kind::kEdit,
        {std::string(macro_manager::kRenameEdit), std::string(macro_manager::kRepeatEdit)});
    add(skin::kMacroManager, Kind::kOption,
        {std::string(macro_manager::kRecordDelays), std::string(macro_manager::kRepeatCheck)});
    add(skin::kMacroSelect, Kind::kCombo, {std::string(macro_select::kMacroCombo)});
    add(skin::kMacroSelect, Kind::kEdit, {std::string(macro_select::kRepeatEdit)});
    add(skin::kMacroSelect, Kind::kOption,
        {std::string(macro_select::kRepeatCheck), std::string(macro_select::kEndDownCheck),
         std::string(macro_select::kEndUpCheck)});
    add(skin::kDelay, Kind::kEdit, {std::string(delay_dialog::kValue)});
    add(skin::kKeyCapture, Kind::kEdit, {std::string(key_capture::kName)});
    add(skin::kMessage, Kind::kButton,
        {std::string(message_window::kConfirm), std::string(message_window::kCancel),
         std::string(message_window::kClose)});
    return rules;
}

TEST_F(SkinContractTest, ControlsHaveTheKindTheProgramUsesThemAs) {
    std::vector<std::string> wrong;
    for (const KindRule& rule : KindRules()) {
        CControlUI* control = Find(rule.skin, rule.name);
        if (control != nullptr && !IsKind(control, rule.kind)) {
            wrong.push_back(std::string(rule.skin) + ": " + rule.name + " is " +
                            std::string(control->GetClass()));
        }
    }
    EXPECT_TRUE(wrong.empty()) << ::testing::PrintToString(wrong);
}

// Every image string in every skin file, by file.
std::map<std::string, std::set<std::string>> ImagesNamedBySkins() {
    std::map<std::string, std::set<std::string>> images;
    for (const auto& entry : std::filesystem::directory_iterator(ShippedSkin::Folder())) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        pugi::xml_document doc;
        doc.load_file(entry.path().c_str());
        for (pugi::xpath_node node : doc.select_nodes("//*")) {
            for (pugi::xml_attribute attribute : node.node().attributes()) {
                std::string name = toolkit::ToLower(attribute.name());
                if (name.size() > 5 && name.ends_with("image") && *attribute.as_string() != 0) {
                    std::string file =
                        toolkit::render::ParseImageString(attribute.as_string()).file;
                    images[file].insert(entry.path().filename().string());
                }
            }
        }
    }
    return images;
}

TEST_F(SkinContractTest, EveryImageTheSkinsOrTheProgramNameWasDrawn) {
    std::map<std::string, std::set<std::string>> images = ImagesNamedBySkins();
    EXPECT_GT(images.size(), 40u);
    // Images the program sets at run time.
    for (std::string_view rate : {"125", "250", "500", "1000"}) {
        images["ulmar/" + std::string(rate) + ".png"].insert("program");
    }
    for (int position = 1; position <= 11; ++position) {
        images["ulmar/" + std::to_string(position) + ".png"].insert("program");
    }
    for (int part = 1; part <= 7; ++part) {
        images["ulmar/btn_" + std::to_string(part) + ".png"].insert("program");
        images["ulmar/btn_" + std::to_string(part) + "_0.png"].insert("program");
    }
    for (int part = 1; part <= 6; ++part) {
        images["ulmar/F-" + std::to_string(part) + "-normal.png"].insert("program");
        images["ulmar/F-" + std::to_string(part) + "-over.png"].insert("program");
    }
    images["common/base.png"].insert("program");
    std::vector<std::string> missing;
    for (const auto& [file, users] : images) {
        if (!std::filesystem::is_regular_file(ShippedSkin::Folder() + file)) {
            missing.push_back(file + " (" + ::testing::PrintToString(users) + ")");
        }
    }
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST_F(SkinContractTest, RowStylesTheProgramAppliesAreSharedStylesOfTheirSkin) {
    for (const auto& [skin, style] : names::styles::kAll) {
        pugi::xml_document doc;
        doc.load_file((ShippedSkin::Folder() + std::string(skin)).c_str());
        std::string query = "//Style[@name='" + std::string(style) + "']";
        pugi::xpath_node found = doc.select_node(query.c_str());
        ASSERT_TRUE(found) << skin << ": " << style;
        EXPECT_TRUE(found.node().attribute("shared").as_bool()) << skin << ": " << style;
    }
}

// Texts of resource-text controls are ids the language files define.
TEST_F(SkinContractTest, ResourceTextsAreLanguageIds) {
    std::vector<std::string> unknown;
    for (std::string_view file : SkinFiles()) {
        const BuiltSkin& built = Skin(file);
        if (built.root == nullptr) {
            continue;
        }
        built.root->ForEach([&](CControlUI& control) {
            if (!control.IsResourceText() || control.GetRawText().empty()) {
                return;
            }
            const std::string& id = control.GetRawText();
            if (toolkit::CResourceManager::GetInstance().GetText(id) == id) {
                unknown.push_back(std::string(file) + ": " + id);
            }
        });
    }
    EXPECT_TRUE(unknown.empty()) << ::testing::PrintToString(unknown);
}

}  // namespace
}  // namespace skin_test
