#pragma once

// Every control name the program looks up, grouped by the window or page that holds it, and the
// skin file each group lives in. Control names are the contract with the skin files: spelled
// exactly, looked up on every use, and a control the skin lacks makes its action do nothing.
// The tables at the end list, per skin file, the names our own skins carry, so that a test can
// build every skin and check that each name exists.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace app::controls {

// ---------------------------------------------------------------------------------------------
// Skin files

namespace skin {
inline constexpr std::string_view kResourceMap = "res.xml";
// Symbolic names that "res.xml" maps to files.
inline constexpr std::string_view kMainResource = "XML_MAIN";
inline constexpr std::string_view kMessageResource = "XML_MSG";

inline constexpr std::string_view kMain = "main.xml";        // XML_MAIN
inline constexpr std::string_view kMessage = "message.xml";  // XML_MSG
inline constexpr std::string_view kMouseDpi = "Mouse_DPI.xml";
inline constexpr std::string_view kMouseKey = "Mouse_key.xml";
inline constexpr std::string_view kMouseDeng = "Mouse_deng.xml";
inline constexpr std::string_view kMouseMacro = "Mouse_macro.xml";
inline constexpr std::string_view kMouseCursor = "Mouse_cursor.xml";
inline constexpr std::string_view kKeyboardKey = "keyboard_key.xml";
inline constexpr std::string_view kKeyboardDeng = "keyboard_deng.xml";
inline constexpr std::string_view kKeyboardMacro = "keyboard_macro.xml";
inline constexpr std::string_view kMousePadDeng = "MousePad_deng.xml";
inline constexpr std::string_view kTrayMenu = "menu1.xml";
inline constexpr std::string_view kPalette = "GmPalletDialog.xml";
inline constexpr std::string_view kMacroManager = "marco.xml";
inline constexpr std::string_view kMacroSelect = "marcoset.xml";
inline constexpr std::string_view kDelay = "delay.xml";
inline constexpr std::string_view kKeyCapture = "Kbkeyset.xml";
inline constexpr std::string_view kSkinChooser = "skin.xml";
inline constexpr std::string_view kAbout = "CopyRight.xml";

// Elements of the main skin that the main window replaces by a sub-skin (compared without
// regard to case). Our main skin uses "MS_CURSOR_UI" only: "kb_CURSOR_UI" would repeat the
// cursor page's names in the same window, where the first match shadows the second.
struct Placeholder {
    std::string_view element;
    std::string_view file;
};
inline constexpr std::array<Placeholder, 10> kPlaceholders{{
    {"kb_Key_UI", kKeyboardKey},
    {"kb_Deng_UI", kKeyboardDeng},
    {"kb_Macro_UI", kKeyboardMacro},
    {"MS_Deng_UI", kMouseDeng},
    {"MS_Macro_UI", kMouseMacro},
    {"MS_Key_UI", kMouseKey},
    {"MP_deng_UI", kMousePadDeng},
    {"MS_DPI_UI", kMouseDpi},
    {"MS_CURSOR_UI", kMouseCursor},
    {"kb_CURSOR_UI", kMouseCursor},
}};
// Custom elements the main window creates itself.
inline constexpr std::string_view kCircleProgressElement = "CircleProgress";
inline constexpr std::string_view kDeviceKeyButtonElement = "DeviceKeyButton";
}  // namespace skin

// ---------------------------------------------------------------------------------------------
// Numbered families: prefix, decimal index, suffix ("ms_dkey_" 0 … 19, "mouse_btn_" 1 … 6 "_0").

struct NameRange {
    std::string_view prefix;
    int first;
    int last;
    std::string_view suffix = {};

    constexpr bool Contains(int index) const { return index >= first && index <= last; }
};

inline std::string NumberedName(std::string_view prefix, int index, std::string_view suffix = {}) {
    std::string name(prefix);
    name += std::to_string(index);
    name += suffix;
    return name;
}
inline std::string NumberedName(const NameRange& range, int index) {
    return NumberedName(range.prefix, index, range.suffix);
}

// ---------------------------------------------------------------------------------------------
// Main window ("main.xml")

namespace main_window {
inline constexpr std::string_view kRoot = "root";
// Hidden resource-text label through which code turns a language id into its text.
inline constexpr std::string_view kTextProbe = "str_test";
inline constexpr std::string_view kSettingProgress = "setting_progress";
}  // namespace main_window

namespace caption {
inline constexpr std::string_view kClose = "closebtn";
inline constexpr std::string_view kMaximize = "maxbtn";
inline constexpr std::string_view kRestore = "restorebtn";
inline constexpr std::string_view kMinimize = "minbtn";
inline constexpr std::string_view kSkin = "skinbtn";
}  // namespace caption

namespace help {
inline constexpr std::string_view kButton = "quesbtn";
inline constexpr std::string_view kPanel = "ques_click";
inline constexpr std::string_view kWebsite = "menu_website";
inline constexpr std::string_view kRestore = "menu_restore";
inline constexpr std::string_view kUpdate = "menu_update";
// Focus on the mouse picture closes the help panel.
inline constexpr std::string_view kMouseMap = "mouse_map";
}  // namespace help

namespace device_tabs {
inline constexpr std::string_view kMouseTab = "ms_tab";
inline constexpr std::string_view kPadTab = "mp_tab";
inline constexpr std::string_view kKeyboardTab = "kb_tab";
inline constexpr std::string_view kMousePanel = "ms_tab_panel";
inline constexpr std::string_view kKeyboardPanel = "kb_tab_panel";
// Page options of the mouse tab; focus on any of them hides kFunctionSpeedTab.
inline constexpr std::string_view kMouseLightPage = "ms_deng_Op_tab";
inline constexpr std::string_view kMouseKeyPage = "ms_key_Op_tab";
inline constexpr std::string_view kMousePerformancePage = "ms_rich_Op_tab";
inline constexpr std::string_view kMouseMacroPage = "ms_macro_Op_tab";
inline constexpr std::string_view kMouseCursorPage = "ms_cursor_Op_tab";
inline constexpr std::string_view kFunctionSpeedTab = "ms_profile_fun_spead_tab";
// Page option of the keyboard tab; while selected the key buttons show no light.
inline constexpr std::string_view kKeyboardKeyPage = "kb_key_Op_tab";
}  // namespace device_tabs

namespace preview {
inline constexpr NameRange kMouseZones{"ms_dkey_", 0, 19};
inline constexpr NameRange kPadZones{"mp_dkey_", 0, 14};
inline constexpr NameRange kKeyboardKeys{"kb_key_", 0, 125};
inline std::string MouseZone(int index) {
    return NumberedName(kMouseZones, index);
}
inline std::string PadZone(int index) {
    return NumberedName(kPadZones, index);
}
inline std::string KeyboardKey(int index) {
    return NumberedName(kKeyboardKeys, index);
}
}  // namespace preview

// Mouse picture with its buttons and the button menu.
namespace mouse_buttons {
inline constexpr std::string_view kViewTabs = "mouse_tab";
inline constexpr std::string_view kFrontView = "MouseFront_check";
inline constexpr std::string_view kSideView = "MouseSide_check";
inline constexpr NameRange kButtons{"mouse_key_", 1, 7};  // button 1 cannot be reassigned
inline constexpr NameRange kPictures{"mouse_btn_", 1, 7};
inline constexpr NameRange kFrames{"mouse_btn_", 1, 6, "_0"};
inline std::string Button(int button) {
    return NumberedName(kButtons, button);
}
inline std::string Picture(int part) {
    return NumberedName(kPictures, part);
}
inline std::string Frame(int part) {
    return NumberedName(kFrames, part);
}

inline constexpr std::string_view kMenu = "mouse_key_list";
inline constexpr std::string_view kLeft = "left_key";
inline constexpr std::string_view kRight = "right_key";
inline constexpr std::string_view kMiddle = "middle_key";
inline constexpr std::string_view kForward = "forward_key";
inline constexpr std::string_view kBack = "back_key";
inline constexpr std::string_view kDoubleClick = "left_key_double_click";
inline constexpr std::string_view kDisable = "function_close_key";
inline constexpr std::string_view kKeyboardKey = "gunlun_key";
inline constexpr std::string_view kMacro = "marco_key";
// Category entries and their side lists.
inline constexpr std::string_view kDpiCategory = "switch_DPI_key";
inline constexpr std::string_view kDpiList = "DPI_key_list";
inline constexpr std::string_view kMediaCategory = "media_set_key";
inline constexpr std::string_view kMediaList = "media_key_list";
inline constexpr std::string_view kOfficeCategory = "office_key";
inline constexpr std::string_view kOfficeList = "office_key_list";
inline constexpr std::string_view kWindowCategory = "window_manager_key";
inline constexpr std::string_view kWindowList = "window_manager_list";

inline constexpr std::string_view kDpiUp = "DPI_key_add";
inline constexpr std::string_view kDpiDown = "DPI_key_sub";
inline constexpr std::string_view kDpiLoop = "DPI_key_loop";

inline constexpr std::string_view kOpen = "open_key";
inline constexpr std::string_view kNew = "new_key";
inline constexpr std::string_view kUndo = "cancel_key";
inline constexpr std::string_view kSave = "save_key";
inline constexpr std::string_view kCopy = "copy_key";
inline constexpr std::string_view kCut = "cut_key";
inline constexpr std::string_view kPaste = "paste_key";
inline constexpr std::string_view kSelectAll = "all_key";
inline constexpr std::string_view kPrint = "print_key";
inline constexpr std::string_view kFind = "repeat_key";

inline constexpr std::string_view kMediaPlayer = "open_play_key";
inline constexpr std::string_view kPlayPause = "play_pause_key";
inline constexpr std::string_view kStop = "stop_key";
inline constexpr std::string_view kPrevious = "previous_key";
inline constexpr std::string_view kNext = "next_key";
inline constexpr std::string_view kVolumeDown = "voice_sub_key";
inline constexpr std::string_view kVolumeUp = "voice_add_key";
inline constexpr std::string_view kMute = "quiet_key";

inline constexpr std::string_view kComputer = "computer_key";
inline constexpr std::string_view kBrowserHome = "web_page_key";
inline constexpr std::string_view kCloseWindow = "close_find_key";
inline constexpr std::string_view kShowDesktop = "show_desktop_key";
inline constexpr std::string_view kRun = "run_key";
inline constexpr std::string_view kMaximizeWindow = "max_key";
inline constexpr std::string_view kMinimizeWindow = "min_key";
}  // namespace mouse_buttons

// Mouse profile panel (the mouse device profile list and its operations).
namespace mouse_profiles {
inline constexpr std::string_view kPanel = "config_display";
inline constexpr std::string_view kList = "config_list";
inline constexpr std::string_view kOpenButton = "config_btn";
inline constexpr std::string_view kCloseButton = "config_close_btn";
inline constexpr std::string_view kCloseLabel = "close_label";
inline constexpr std::string_view kNewButton = "new_config_btn";
inline constexpr std::string_view kNewLabel = "new_label";
inline constexpr std::string_view kCopyButton = "config_copy_btn";
inline constexpr std::string_view kCopyButton1 = "config_copy_btn1";
inline constexpr std::string_view kRenameButton = "config_edit_btn";
inline constexpr std::string_view kRenameButton1 = "config_edit_btn1";
inline constexpr std::string_view kDeleteButton = "config_delete_btn";
inline constexpr std::string_view kDeleteButton1 = "config_delete_btn1";
inline constexpr std::string_view kRestoreDefaults = "recover_btn";
inline constexpr std::string_view kContextMenu = "menu_clicked";
inline constexpr std::string_view kRenameEdit = "list_edit";
}  // namespace mouse_profiles

// A profile list with its name edit and its application-link controls.
struct ProfileListControls {
    std::string_view list;
    std::string_view nameEdit;
    std::string_view linkCheck;
    std::string_view linkEdit;
    std::string_view linkRow;
};

namespace profile_lists {
inline constexpr ProfileListControls kMouseDevice{
    "config_list", "ms_device_profile_name_edit", "ms_device_profile_link_check",
    "ms_device_profile_link_edit", "ms_device_profile_link_name_hor"};
// The three mouse combos are looked up but never filled by the program.
inline constexpr ProfileListControls kMouseDeviceCombo{
    "ms_device_profile_combo", "ms_device_profile_name_edit", "ms_device_profile_link_check",
    "ms_device_profile_link_edit", "ms_device_profile_link_name_hor"};
inline constexpr ProfileListControls kMouseLight{
    "ms_deng_profile_combo", "ms_deng_profile_name_edit", "ms_deng_profile_link_check",
    "ms_deng_profile_link_edit", "ms_deng_profile_link_name_hor"};
inline constexpr ProfileListControls kMouseKey{
    "ms_key_profile_combo", "ms_key_profile_name_edit", "ms_key_profile_link_check",
    "ms_key_profile_link_edit", "ms_key_profile_link_name_hor"};
inline constexpr ProfileListControls kKeyboardDevice{
    "kb_device_profile_combo", "kb_device_profile_name_edit", "kb_device_profile_link_check",
    "kb_device_profile_link_edit", "kb_device_profile_link_name_hor"};
inline constexpr ProfileListControls kKeyboardLight{
    "kb_deng_profile_combo", "kb_deng_profile_name_edit", "kb_deng_profile_link_check",
    "kb_deng_profile_link_edit", "kb_deng_profile_link_name_hor"};
inline constexpr ProfileListControls kKeyboardKey{
    "kb_key_profile_combo", "kb_key_profile_name_edit", "kb_key_profile_link_check",
    "kb_key_profile_link_edit", "kb_key_profile_link_name_hor"};
inline constexpr ProfileListControls kPadLight{
    "mp_deng_profile_combo", "mp_deng_profile_name_edit", "mp_deng_profile_link_check",
    "mp_deng_profile_link_edit", "mp_deng_profile_link_name_hor"};
}  // namespace profile_lists

// ---------------------------------------------------------------------------------------------
// Mouse performance page ("Mouse_DPI.xml")

namespace mouse_performance {
inline constexpr NameRange kDpiSliders{"DPI_slider_", 1, 6};
inline constexpr NameRange kDpiLabels{"DPI_label_", 1, 6};
inline constexpr NameRange kDpiColourButtons{"DPI_btn_", 1, 6};
inline constexpr NameRange kRateButtons{"rate_slider", 1, 4};  // 125, 250, 500, 1000
inline std::string DpiSlider(int level) {
    return NumberedName(kDpiSliders, level);
}
inline std::string DpiLabel(int level) {
    return NumberedName(kDpiLabels, level);
}
inline std::string DpiColourButton(int level) {
    return NumberedName(kDpiColourButtons, level);
}
inline std::string RateButton(int code) {
    return NumberedName(kRateButtons, code + 1);
}

inline constexpr std::string_view kRateImage = "USB_rate_slider1";
inline constexpr std::string_view kRateCombo = "ms_report_fct_combo";
inline constexpr std::string_view kPointerSpeedSlider = "mouse_speed_slider1";
inline constexpr std::string_view kDoubleClickSlider = "DBC_speed_slider2";
inline constexpr std::string_view kWheelRows = "gunlun_speed_check_row";
inline constexpr std::string_view kWheelScreen = "gunlun_check_screen";
inline constexpr std::string_view kWheelEdit = "gunlun_speed_edit";
inline constexpr std::string_view kWheelUp = "speed_up_btn";
inline constexpr std::string_view kWheelDown = "speed_down_btn";
inline constexpr std::string_view kPointSpeedSlider = "ms_point_speed_slider";
inline constexpr std::string_view kSensorHeightSlider = "ms_sensor_height_slider";
// Wheel edit of an alternative skin.
inline constexpr std::string_view kAltWheelEdit = "ms_gunlun_speed_edit";
}  // namespace mouse_performance

// Collapsible panels of the single-page mouse layout (an alternative skin), each toggled by
// its button.
namespace mouse_panels {
struct Toggle {
    std::string_view button;
    std::string_view panel;
};
inline constexpr std::array<Toggle, 8> kToggles{{
    {"btn_distribute", "mouse_key_distribute"},
    {"USB_rate_btn", "USB_rate"},
    {"DPI_set_btn", "DPI_setting"},
    {"light_btn", "mouse_light"},
    {"XY_set_btn", "x_ysetting"},
    {"mouse_speed_btn", "mouse_speed"},
    {"DBC_speed_btn", "db_click_speed"},
    {"gunlun_speed_btn", "gunlun_speed"},
}};
}  // namespace mouse_panels

// ---------------------------------------------------------------------------------------------
// Function tabs: mouse ("Mouse_key.xml") and keyboard ("keyboard_key.xml") twins.

struct FunctionTabControls {
    std::string_view kindCombo;
    NameRange panels;  // one per kind position
    std::string_view repeatPanel;
    std::string_view combo;        // prefix of the parameter combos
    std::string_view edit;         // prefix of the parameter edits
    std::string_view functionTab;  // the whole tab (hidden by key-profile selection)
    // Pointer-move edits: only limited, never read.
    std::array<std::string_view, 4> moveEdits;
};

namespace mouse_function {
inline constexpr FunctionTabControls kTab{"ms_key_fct_combo",
                                          {"ms_tab_function_", 0, 11},
                                          "ms_tab_function_26",
                                          "ms_key_fct_combo_",
                                          "ms_key_fct_edit_",
                                          "ms_tab_function",
                                          {"ms_mouse_x_left_edit", "ms_mouse_x_right_edit",
                                           "ms_mouse_y_up_edit", "ms_mouse_y_down_edit"}};
// Labels of buttons 1 … 7.
inline constexpr NameRange kButtonLabels{"ms_key_", 0, 6};
inline constexpr std::array<NameRange, 2> kCombos{
    {{"ms_key_fct_combo_", 11, 14}, {"ms_key_fct_combo_", 21, 26}}};
inline constexpr std::array<NameRange, 3> kEdits{
    {{"ms_key_fct_edit_", 11, 12}, {"ms_key_fct_edit_", 15, 21}, {"ms_key_fct_edit_", 25, 25}}};
inline std::string Panel(int position) {
    return NumberedName(kTab.panels, position);
}
inline std::string Combo(int number) {
    return NumberedName(kTab.combo, number);
}
inline std::string Edit(int number) {
    return NumberedName(kTab.edit, number);
}
inline std::string ButtonLabel(int entry) {
    return NumberedName(kButtonLabels, entry);
}
}  // namespace mouse_function

namespace keyboard_function {
inline constexpr FunctionTabControls kTab{"kb_key_fct_combo",
                                          {"kb_tab_function_", 0, 10},
                                          "kb_tab_function_26",
                                          "kb_key_fct_combo_",
                                          "kb_key_fct_edit_",
                                          "kb_tab_function",
                                          {"kb_mouse_x_left_edit", "kb_mouse_x_right_edit",
                                           "kb_mouse_y_up_edit", "kb_mouse_y_down_edit"}};
// No preset kind on the keyboard, so no combo 25.
inline constexpr std::array<NameRange, 3> kCombos{
    {{"kb_key_fct_combo_", 11, 14}, {"kb_key_fct_combo_", 21, 24}, {"kb_key_fct_combo_", 26, 26}}};
inline constexpr std::array<NameRange, 3> kEdits{
    {{"kb_key_fct_edit_", 11, 12}, {"kb_key_fct_edit_", 15, 21}, {"kb_key_fct_edit_", 25, 25}}};
inline std::string Panel(int position) {
    return NumberedName(kTab.panels, position);
}
inline std::string Combo(int number) {
    return NumberedName(kTab.combo, number);
}
inline std::string Edit(int number) {
    return NumberedName(kTab.edit, number);
}
}  // namespace keyboard_function

// ---------------------------------------------------------------------------------------------
// Lighting pages: mouse ("Mouse_deng.xml"), keyboard ("keyboard_deng.xml"), mousepad
// ("MousePad_deng.xml").

// Groups enabled and disabled per effect, and the controls every lighting page shares.
struct LightPageControls {
    std::string_view fxGroup;
    std::string_view colourGroup;
    std::string_view cycleGroup;
    std::string_view speedGroup;
    std::string_view sameMode;
    std::string_view brightnessSlider;
    std::string_view speedSlider;
    std::string_view palette;
    std::string_view colourButton;
    std::string_view editRed;
    std::string_view editGreen;
    std::string_view editBlue;
    std::string_view cycleCheck;
};

namespace mouse_light {
inline constexpr LightPageControls kPage{
    "ms_deng_fx_layout",    "ms_deng_color_layout", "ms_deng_7colorselect_layout",
    "ms_deng_speed_layout", "ms_deng_same_mode",    "ms_deng_light_slider",
    "ms_deng_speed_slider", "ms_deng_Color_Pallet", "ms_Deng_colordp_btn",
    "ms_Deng_edit_R",       "ms_Deng_edit_G",       "ms_Deng_edit_B",
    "ms_Deng_7color_check"};
// Effect lists of the combo layout; our skin carries list 1 (all seven effects).
inline constexpr std::string_view kEffectList0 = "ms_deng_combo_modeSelect0";
inline constexpr std::string_view kEffectList1 = "ms_deng_combo_modeSelect1";
inline constexpr std::string_view kEffectList2 = "ms_deng_combo_modeSelect2";
// Preset colour swatches: any control named this prefix plus a decimal number.
inline constexpr std::string_view kColourOptionPrefix = "color_option_";
inline constexpr NameRange kColourOptions{kColourOptionPrefix, 0, 7};
inline std::string ColourOption(int index) {
    return NumberedName(kColourOptions, index);
}

// Check-box layout of an alternative skin: one check and one slider per effect.
inline constexpr NameRange kEffectChecks{"light_check_", 1, 7};
inline std::string EffectCheck(int number) {
    return NumberedName(kEffectChecks, number);
}
inline constexpr std::string_view kLeftKeyCheck = "left_key_check";
inline constexpr std::string_view kRightKeyCheck = "right_key_check";
inline constexpr std::string_view kMiddleKeyCheck = "middle_key_check";
// Sliders in the order of checks 1 … 6.
inline constexpr std::array<std::string_view, 6> kEffectSliders{
    "slider_cl", "slider_hx", "slider_RGB", "slider_ls", "slider_cx", "slider_mc"};
inline constexpr std::string_view kRgbEditGroup = "RGB_Color_Edit_Layout";
inline constexpr std::string_view kCycleSelectGroup = "deng_7colorselect_layout";
}  // namespace mouse_light

namespace keyboard_light {
inline constexpr LightPageControls kPage{
    "kb_deng_fx_layout",    "kb_deng_color_layout", "kb_deng_7colorselect_layout",
    "kb_deng_speed_layout", "kb_deng_same_mode",    "kb_deng_light_slider",
    "kb_deng_speed_slider", "kb_deng_Color_Pallet", "kb_Deng_colordp_btn",
    "kb_Deng_edit_R",       "kb_Deng_edit_G",       "kb_Deng_edit_B",
    "kb_Deng_7color_check"};
inline constexpr std::string_view kFullColourEffects = "kb_deng_combo_modeSelect";
inline constexpr std::string_view kSingleColourEffects = "kb_deng_onecolor_combo_modeSelect";
inline constexpr std::string_view kCustomSetCombo = "kb_deng_combo_curtom_count";
inline constexpr std::string_view kColourDisplayGroup = "kb_deng_color_display_layout";
inline constexpr std::string_view kCustomToolGroup = "kb_deng_custom_tool_layout";
inline constexpr std::string_view kCustomSelectGroup = "kb_deng_custom_select_layout";
inline constexpr std::string_view kCustomColourGroup = "kb_deng_custom_color_layout";
inline constexpr std::string_view kRgbGroup = "kb_deng_rgb_layout";
inline constexpr std::string_view kColourLump = "kb_deng_color_lump";
inline constexpr std::string_view kCustomColourButton = "kb_Deng_custom_colordp_btn";
inline constexpr std::string_view kDirectionLabelLeft = "kb_Deng_label_FXL";
inline constexpr std::string_view kDirectionLabelRight = "kb_Deng_label_FXR";
inline constexpr std::string_view kDirectionLeft = "kb_Deng_FXL_check";
inline constexpr std::string_view kDirectionRight = "kb_Deng_FXR_check";
}  // namespace keyboard_light

namespace pad_light {
inline constexpr LightPageControls kPage{
    "mp_deng_fx_layout",    "mp_deng_color_layout", "mp_deng_7colorselect_layout",
    "mp_deng_speed_layout", "mp_deng_same_mode",    "mp_deng_light_slider",
    "mp_deng_speed_slider", "mp_deng_Color_Pallet", "mp_Deng_colordp_btn",
    "mp_Deng_edit_R",       "mp_Deng_edit_G",       "mp_Deng_edit_B",
    "mp_Deng_7color_check"};
inline constexpr std::string_view kEffectList = "mp_deng_combo_modeSelect";
// The mousepad's five on-device profiles.
inline constexpr std::string_view kDeviceProfileCombo = "mp_deng_combo_profile";
inline constexpr std::string_view kDirectionLeft = "mp_Deng_FXL_check";
inline constexpr std::string_view kDirectionRight = "mp_Deng_FXR_check";
}  // namespace pad_light

// ---------------------------------------------------------------------------------------------
// Cursor page ("Mouse_cursor.xml")

namespace cursor {
inline constexpr std::string_view kDistanceX = "ms_cursor_x_eidt";
inline constexpr std::string_view kDistanceY = "ms_cursor_y_eidt";
inline constexpr std::string_view kDelay = "ms_cursor_delay_eidt";
inline constexpr std::string_view kLeft = "ms_cursor_x_check";
inline constexpr std::string_view kUp = "ms_cursor_y_check";
}  // namespace cursor

// ---------------------------------------------------------------------------------------------
// Macro pages: mouse ("Mouse_macro.xml") and keyboard ("keyboard_macro.xml") twins.

struct MacroPageControls {
    std::string_view macroList;
    std::string_view actionList;
    std::string_view actionRow;  // element name of the rows the page creates
    std::string_view nameEdit;
    std::string_view editTabs;  // pages: 0 nothing selected, 1 keyboard action, 2 mouse action
    std::string_view keyCombo;
    std::string_view pressCombo;
    std::string_view keyDelayEdit;
    std::string_view mouseCombo;
    std::string_view distanceGroup;
    std::string_view distanceEdit;
    std::string_view mouseDelayEdit;
    std::string_view saveCancelPanel;
    // Tool buttons and options, enabled only while the list holds macros.
    std::array<std::string_view, 14> tools;
};

namespace mouse_macro {
inline constexpr MacroPageControls kPage{
    "ms_MacroName_list",
    "ms_Macro_list",
    "ms_macro_action",
    "ms_macro_edit_macroname",
    "ms_tab_macro_edit",
    "ms_macro_combo_keyselect",
    "ms_macro_combo_upordown",
    "ms__macro_edit_ActionDelay",
    "ms_macro_combo_mouselect",
    "ms_macro_tab_mou_pointer_skewing",
    "ms_macro_edit_mou_pointer_skewing",
    "ms__macro_edit_mou_action_delay",
    "ms_macro_tab_saveorcancel",
    {"ms_macro_btn_save", "ms_macro_btn_down", "ms_macro_btn_up", "ms_macro_btn_uptop",
     "ms_macro_btn_downbottom", "ms_macro_btn_delete", "ms_macro_btn_deleteall",
     "ms_macro_btn_cancel", "ms_macro_btn_redio", "ms_macro_check_time", "ms_macro_keyboard_event",
     "ms_macro_mouse_click", "ms_macro_mouse_roller", "ms_macro_mouse_move"}};
inline constexpr std::string_view kManagerButton = "marco_manager_btn";
}  // namespace mouse_macro

namespace keyboard_macro {
inline constexpr MacroPageControls kPage{
    "kb_MacroName_list",
    "kb_Macro_list",
    "kb_macro_action",
    "kb_macro_edit_macroname",
    "kb_tab_macro_edit",
    "kb_macro_combo_keyselect",
    "kb_macro_combo_upordown",
    "kb__macro_edit_ActionDelay",
    "kb_macro_combo_mouselect",
    "kb_macro_tab_mou_pointer_skewing",
    "kb_macro_edit_mou_pointer_skewing",
    "kb__macro_edit_mou_action_delay",
    "kb_macro_tab_saveorcancel",
    {"kb_macro_btn_save", "kb_macro_btn_down", "kb_macro_btn_up", "kb_macro_btn_uptop",
     "kb_macro_btn_downbottom", "kb_macro_btn_delete", "kb_macro_btn_deleteall",
     "kb_macro_btn_cancel", "kb_macro_btn_redio", "kb_macro_check_time", "kb_macro_keyboard_event",
     "kb_macro_mouse_click", "kb_macro_mouse_roller", "kb_macro_mouse_move"}};
}  // namespace keyboard_macro

// ---------------------------------------------------------------------------------------------
// Tray menu ("menu1.xml")

namespace tray_menu {
inline constexpr std::string_view kEnglish = "lan_en";
inline constexpr std::string_view kChinese = "lan_cn";
inline constexpr std::string_view kAbout = "About_setting";
inline constexpr std::string_view kTorvane = "torvane";
inline constexpr std::string_view kImport = "Menu_Import";
inline constexpr std::string_view kExport = "Menu_Export";
// Inserted by the program as the first item; not in the skin.
inline constexpr std::string_view kExit = "exit";
}  // namespace tray_menu

// ---------------------------------------------------------------------------------------------
// Secondary windows

// Message window (XML_MSG).
namespace message_window {
inline constexpr std::string_view kTitle = "MessageTitle";
inline constexpr std::string_view kText = "MessageText";
inline constexpr std::string_view kConfirm = "confirm_btn";
inline constexpr std::string_view kCancel = "cancel_btn";
inline constexpr std::string_view kClose = "closebtn";
}  // namespace message_window

// Colour palette dialog ("GmPalletDialog.xml").
namespace palette_dialog {
inline constexpr std::string_view kPalette = "Pallet";
inline constexpr std::string_view kPreview = "color_show_btn";
inline constexpr std::string_view kOkField = "Pallet_BTN_OK";
inline constexpr std::string_view kCancelField = "Pallet_BTN_CANCEL";
inline constexpr std::string_view kOk = "okbtn";
inline constexpr std::string_view kClose = "closebtn";
inline constexpr std::string_view kSwatchPrefix = "ms_dpi_color_png_";
inline constexpr NameRange kSwatches{kSwatchPrefix, 0, 29};
inline std::string Swatch(int index) {
    return NumberedName(kSwatches, index);
}
}  // namespace palette_dialog

// Macro manager ("marco.xml").
namespace macro_manager {
inline constexpr std::string_view kMacroList = "ms_MacroName_list";
inline constexpr std::string_view kActionList = "ms_Macro_list";
inline constexpr std::string_view kRenameEdit = "list_edit";
inline constexpr std::string_view kPopupMenu = "right_click_list";
inline constexpr std::string_view kDeleteAction = "btn_delete";
inline constexpr std::string_view kInsertLeft = "btn_insert_left";
inline constexpr std::string_view kInsertRight = "btn_insert_right";
inline constexpr std::string_view kInsertMiddle = "btn_insert_mid";
inline constexpr std::string_view kInsertDelay = "btn_insert_delay";
inline constexpr std::string_view kInsertKey = "btn_insert_kb";
inline constexpr std::string_view kNewMacro = "new_btn";
inline constexpr std::string_view kDeleteMacro = "delete_btn";
inline constexpr std::string_view kRecord = "start_btn";
inline constexpr std::string_view kRecordDelays = "marco_delay_checkbox";
inline constexpr std::string_view kRepeatEdit = "circle_num_edit";
inline constexpr std::string_view kRepeatCheck = "circle_num_checkbox";
inline constexpr std::string_view kConfirm = "confirm_btn";
inline constexpr std::string_view kCancel = "cancel_btn";
// Element names of the rows the manager creates.
inline constexpr std::string_view kActionRow = "ms_macro_action";
inline constexpr std::string_view kDelayRow = "ms_macro_delay";
}  // namespace macro_manager

// Macro selection dialog ("marcoset.xml").
namespace macro_select {
inline constexpr std::string_view kMacroCombo = "macro_combo_select";
inline constexpr std::string_view kConfirm = "macro_select_confirm";
inline constexpr std::string_view kCancel = "macro_select_cancel";
inline constexpr std::string_view kRepeatCheck = "end_num_check";
inline constexpr std::string_view kEndDownCheck = "end_down_check";
inline constexpr std::string_view kEndUpCheck = "end_up_check";
inline constexpr std::string_view kRepeatEdit = "num_edit";
}  // namespace macro_select

// Delay dialog ("delay.xml").
namespace delay_dialog {
inline constexpr std::string_view kValue = "x_edit";
inline constexpr std::string_view kConfirm = "confirm_btn";
inline constexpr std::string_view kCancel = "cancel_btn";
}  // namespace delay_dialog

// Key-capture window ("Kbkeyset.xml").
namespace key_capture {
inline constexpr std::string_view kName = "kb_name_edit";
inline constexpr std::string_view kConfirm = "kb_set_confirm";
inline constexpr std::string_view kCancel = "kb_set_cancel";
}  // namespace key_capture

// About window ("CopyRight.xml").
namespace about {
inline constexpr std::string_view kWebLink = "NetText";
inline constexpr std::string_view kClose = "closebtn";
}  // namespace about

// ---------------------------------------------------------------------------------------------
// Shared attribute styles that the program gives to the list rows it creates.

namespace styles {
// Macro pages (both twins).
inline constexpr std::string_view kLabelMouse = "macro_label_mouse_style";
inline constexpr std::string_view kLabelKeyboard = "macro_label_keyboard_style";
inline constexpr std::string_view kLabelText = "macro_label_text_style";
inline constexpr std::string_view kLabelDown = "macro_label_down_style";
inline constexpr std::string_view kLabelUp = "macro_label_up_style";
// Macro manager.
inline constexpr std::string_view kManagerDown = "macro_down_style";
inline constexpr std::string_view kManagerUp = "macro_up_style";
inline constexpr std::string_view kManagerMouse = "macro_mouse_style";
inline constexpr std::string_view kManagerKey = "macro_key_style";
inline constexpr std::string_view kManagerDelayIcon = "macro_delay_icon_style";
inline constexpr std::string_view kManagerDelayTime = "macro_delay_time_style";
inline constexpr std::string_view kManagerMacroItem = "listex_item_style";
// Mouse profile list (main window).
inline constexpr std::string_view kProfileItem = "listex_item_style1";

struct SkinStyle {
    std::string_view skin;
    std::string_view style;
};
inline constexpr std::array<SkinStyle, 18> kAll{{
    {skin::kMouseMacro, kLabelMouse},
    {skin::kMouseMacro, kLabelKeyboard},
    {skin::kMouseMacro, kLabelText},
    {skin::kMouseMacro, kLabelDown},
    {skin::kMouseMacro, kLabelUp},
    {skin::kKeyboardMacro, kLabelMouse},
    {skin::kKeyboardMacro, kLabelKeyboard},
    {skin::kKeyboardMacro, kLabelText},
    {skin::kKeyboardMacro, kLabelDown},
    {skin::kKeyboardMacro, kLabelUp},
    {skin::kMacroManager, kManagerDown},
    {skin::kMacroManager, kManagerUp},
    {skin::kMacroManager, kManagerMouse},
    {skin::kMacroManager, kManagerKey},
    {skin::kMacroManager, kManagerDelayIcon},
    {skin::kMacroManager, kManagerDelayTime},
    {skin::kMacroManager, kManagerMacroItem},
    {skin::kMain, kProfileItem},
}};
}  // namespace styles

// ---------------------------------------------------------------------------------------------
// Per skin file: every name our skins carry, for the test that builds each skin.

enum class Need {
    kRequired,  // our skins carry it
    kOptional,  // looked up, tolerated absent: alternative layouts that our skins leave out
};

struct SkinControl {
    std::string_view skin;
    std::string name;
    Need need;
};

namespace detail {

class SkinControlList {
public:
    SkinControlList& In(std::string_view skin, Need need = Need::kRequired) {
        skin_ = skin;
        need_ = need;
        return *this;
    }
    SkinControlList& Add(std::initializer_list<std::string_view> names) {
        for (std::string_view name : names) {
            all_.push_back({skin_, std::string(name), need_});
        }
        return *this;
    }
    SkinControlList& Add(const NameRange& range) {
        for (int index = range.first; index <= range.last; ++index) {
            all_.push_back({skin_, NumberedName(range, index), need_});
        }
        return *this;
    }
    template <std::size_t N>
    SkinControlList& Add(const std::array<NameRange, N>& ranges) {
        for (const NameRange& range : ranges) {
            Add(range);
        }
        return *this;
    }
    template <std::size_t N>
    SkinControlList& Add(const std::array<std::string_view, N>& names) {
        for (std::string_view name : names) {
            Add({name});
        }
        return *this;
    }
    SkinControlList& Add(const ProfileListControls& c) {
        return Add({c.list, c.nameEdit, c.linkCheck, c.linkEdit, c.linkRow});
    }
    SkinControlList& Add(const LightPageControls& c) {
        return Add({c.fxGroup, c.colourGroup, c.cycleGroup, c.speedGroup, c.sameMode,
                    c.brightnessSlider, c.speedSlider, c.palette, c.colourButton, c.editRed,
                    c.editGreen, c.editBlue, c.cycleCheck});
    }
    SkinControlList& Add(const FunctionTabControls& c) {
        Add({c.kindCombo, c.repeatPanel, c.functionTab}).Add(c.panels).Add(c.moveEdits);
        return *this;
    }
    // The row element name is created by the page, not carried by the skin.
    SkinControlList& Add(const MacroPageControls& c) {
        Add({c.macroList, c.actionList, c.nameEdit, c.editTabs, c.keyCombo, c.pressCombo,
             c.keyDelayEdit, c.mouseCombo, c.distanceGroup, c.distanceEdit, c.mouseDelayEdit,
             c.saveCancelPanel});
        return Add(c.tools);
    }

    std::vector<SkinControl> Take() { return std::move(all_); }

private:
    std::string_view skin_;
    Need need_ = Need::kRequired;
    std::vector<SkinControl> all_;
};

}  // namespace detail

// Every (skin file, control name) pair, grouped by skin file. A skin file with no names of its
// own (the skin chooser) does not appear.
inline std::vector<SkinControl> AllSkinControls() {
    using Need::kOptional;
    detail::SkinControlList list;

    list.In(skin::kMain)
        .Add({main_window::kRoot, main_window::kTextProbe, main_window::kSettingProgress})
        .Add({caption::kClose, caption::kMaximize, caption::kRestore, caption::kMinimize,
              caption::kSkin})
        .Add({help::kButton, help::kPanel, help::kWebsite, help::kRestore, help::kUpdate,
              help::kMouseMap})
        .Add({device_tabs::kMouseTab, device_tabs::kPadTab, device_tabs::kKeyboardTab,
              device_tabs::kMousePanel, device_tabs::kKeyboardPanel, device_tabs::kMouseLightPage,
              device_tabs::kMouseKeyPage, device_tabs::kMousePerformancePage,
              device_tabs::kMouseMacroPage, device_tabs::kMouseCursorPage,
              device_tabs::kFunctionSpeedTab, device_tabs::kKeyboardKeyPage})
        .Add(preview::kMouseZones)
        .Add(preview::kPadZones)
        .Add(preview::kKeyboardKeys)
        .Add({mouse_buttons::kViewTabs, mouse_buttons::kFrontView, mouse_buttons::kSideView})
        .Add(mouse_buttons::kButtons)
        .Add(mouse_buttons::kPictures)
        .Add(mouse_buttons::kFrames)
        .Add({mouse_buttons::kMenu, mouse_buttons::kLeft, mouse_buttons::kRight,
              mouse_buttons::kMiddle, mouse_buttons::kForward, mouse_buttons::kBack,
              mouse_buttons::kDoubleClick, mouse_buttons::kDisable, mouse_buttons::kKeyboardKey,
              mouse_buttons::kMacro})
        .Add({mouse_buttons::kDpiCategory, mouse_buttons::kDpiList, mouse_buttons::kMediaCategory,
              mouse_buttons::kMediaList, mouse_buttons::kOfficeCategory, mouse_buttons::kOfficeList,
              mouse_buttons::kWindowCategory, mouse_buttons::kWindowList})
        .Add({mouse_buttons::kDpiUp, mouse_buttons::kDpiDown, mouse_buttons::kDpiLoop})
        .Add({mouse_buttons::kOpen, mouse_buttons::kNew, mouse_buttons::kUndo, mouse_buttons::kSave,
              mouse_buttons::kCopy, mouse_buttons::kCut, mouse_buttons::kPaste,
              mouse_buttons::kSelectAll, mouse_buttons::kPrint, mouse_buttons::kFind})
        .Add({mouse_buttons::kMediaPlayer, mouse_buttons::kPlayPause, mouse_buttons::kStop,
              mouse_buttons::kPrevious, mouse_buttons::kNext, mouse_buttons::kVolumeDown,
              mouse_buttons::kVolumeUp, mouse_buttons::kMute})
        .Add({mouse_buttons::kComputer, mouse_buttons::kBrowserHome, mouse_buttons::kCloseWindow,
              mouse_buttons::kShowDesktop, mouse_buttons::kRun, mouse_buttons::kMaximizeWindow,
              mouse_buttons::kMinimizeWindow})
        .Add({mouse_profiles::kPanel, mouse_profiles::kOpenButton, mouse_profiles::kCloseButton,
              mouse_profiles::kCloseLabel, mouse_profiles::kNewButton, mouse_profiles::kNewLabel,
              mouse_profiles::kCopyButton, mouse_profiles::kCopyButton1,
              mouse_profiles::kRenameButton, mouse_profiles::kRenameButton1,
              mouse_profiles::kDeleteButton, mouse_profiles::kDeleteButton1,
              mouse_profiles::kRestoreDefaults, mouse_profiles::kContextMenu,
              mouse_profiles::kRenameEdit})
        .Add(profile_lists::kMouseDevice)
        .Add(profile_lists::kKeyboardDevice);
    list.In(skin::kMain, kOptional).Add({profile_lists::kMouseDeviceCombo.list});
    for (const auto& toggle : mouse_panels::kToggles) {
        list.Add({toggle.button, toggle.panel});
    }

    list.In(skin::kMouseDpi)
        .Add(mouse_performance::kDpiSliders)
        .Add(mouse_performance::kDpiLabels)
        .Add(mouse_performance::kDpiColourButtons)
        .Add(mouse_performance::kRateButtons)
        .Add({mouse_performance::kRateImage, mouse_performance::kRateCombo,
              mouse_performance::kPointerSpeedSlider, mouse_performance::kDoubleClickSlider,
              mouse_performance::kWheelRows, mouse_performance::kWheelScreen,
              mouse_performance::kWheelEdit, mouse_performance::kWheelUp,
              mouse_performance::kWheelDown, mouse_performance::kPointSpeedSlider,
              mouse_performance::kSensorHeightSlider});
    list.In(skin::kMouseDpi, kOptional).Add({mouse_performance::kAltWheelEdit});

    list.In(skin::kMouseKey)
        .Add(mouse_function::kTab)
        .Add(mouse_function::kCombos)
        .Add(mouse_function::kEdits)
        .Add(mouse_function::kButtonLabels);
    list.In(skin::kMouseKey, kOptional).Add(profile_lists::kMouseKey);

    list.In(skin::kMouseDeng)
        .Add(mouse_light::kPage)
        .Add({mouse_light::kEffectList1})
        .Add(mouse_light::kColourOptions);
    list.In(skin::kMouseDeng, kOptional)
        .Add({mouse_light::kEffectList0, mouse_light::kEffectList2})
        .Add(mouse_light::kEffectChecks)
        .Add({mouse_light::kLeftKeyCheck, mouse_light::kRightKeyCheck, mouse_light::kMiddleKeyCheck,
              mouse_light::kRgbEditGroup, mouse_light::kCycleSelectGroup})
        .Add(mouse_light::kEffectSliders)
        .Add(profile_lists::kMouseLight);

    list.In(skin::kMouseMacro).Add(mouse_macro::kPage).Add({mouse_macro::kManagerButton});

    list.In(skin::kMouseCursor)
        .Add({cursor::kDistanceX, cursor::kDistanceY, cursor::kDelay, cursor::kLeft, cursor::kUp});

    list.In(skin::kKeyboardKey)
        .Add(keyboard_function::kTab)
        .Add(keyboard_function::kCombos)
        .Add(keyboard_function::kEdits)
        .Add(profile_lists::kKeyboardKey);

    list.In(skin::kKeyboardDeng)
        .Add(keyboard_light::kPage)
        .Add({keyboard_light::kFullColourEffects, keyboard_light::kSingleColourEffects,
              keyboard_light::kCustomSetCombo, keyboard_light::kColourDisplayGroup,
              keyboard_light::kCustomToolGroup, keyboard_light::kCustomSelectGroup,
              keyboard_light::kCustomColourGroup, keyboard_light::kRgbGroup,
              keyboard_light::kColourLump, keyboard_light::kCustomColourButton,
              keyboard_light::kDirectionLabelLeft, keyboard_light::kDirectionLabelRight,
              keyboard_light::kDirectionLeft, keyboard_light::kDirectionRight})
        .Add(profile_lists::kKeyboardLight);

    list.In(skin::kKeyboardMacro).Add(keyboard_macro::kPage);

    list.In(skin::kMousePadDeng)
        .Add(pad_light::kPage)
        .Add({pad_light::kEffectList, pad_light::kDeviceProfileCombo, pad_light::kDirectionLeft,
              pad_light::kDirectionRight})
        .Add(profile_lists::kPadLight);

    list.In(skin::kTrayMenu).Add({tray_menu::kEnglish, tray_menu::kChinese, tray_menu::kAbout});
    list.In(skin::kTrayMenu, kOptional)
        .Add({tray_menu::kTorvane, tray_menu::kImport, tray_menu::kExport});

    list.In(skin::kMessage)
        .Add({message_window::kTitle, message_window::kText, message_window::kConfirm,
              message_window::kCancel, message_window::kClose});

    list.In(skin::kPalette)
        .Add({palette_dialog::kPalette, palette_dialog::kPreview, palette_dialog::kOkField,
              palette_dialog::kCancelField, palette_dialog::kOk, palette_dialog::kClose})
        .Add(palette_dialog::kSwatches);

    list.In(skin::kMacroManager)
        .Add({macro_manager::kMacroList, macro_manager::kActionList, macro_manager::kRenameEdit,
              macro_manager::kPopupMenu, macro_manager::kDeleteAction, macro_manager::kInsertLeft,
              macro_manager::kInsertRight, macro_manager::kInsertMiddle,
              macro_manager::kInsertDelay, macro_manager::kInsertKey, macro_manager::kNewMacro,
              macro_manager::kDeleteMacro, macro_manager::kRecord, macro_manager::kRecordDelays,
              macro_manager::kRepeatEdit, macro_manager::kRepeatCheck, macro_manager::kConfirm,
              macro_manager::kCancel});

    list.In(skin::kMacroSelect)
        .Add({macro_select::kMacroCombo, macro_select::kConfirm, macro_select::kCancel,
              macro_select::kRepeatCheck, macro_select::kEndDownCheck, macro_select::kEndUpCheck,
              macro_select::kRepeatEdit});

    list.In(skin::kDelay)
        .Add({delay_dialog::kValue, delay_dialog::kConfirm, delay_dialog::kCancel});

    list.In(skin::kKeyCapture)
        .Add({key_capture::kName, key_capture::kConfirm, key_capture::kCancel});

    list.In(skin::kAbout).Add({about::kWebLink, about::kClose});

    return list.Take();
}

}  // namespace app::controls
