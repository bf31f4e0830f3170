#pragma once

// Language ids the program itself refers to: message keys, the display ids of the key table and
// the label ids of button and key functions. The texts live in skin/lan_en.xml, lan_cn.xml and
// lan_sn.xml; ids are matched without regard to case. Texts that only the skins use (titles,
// page names, list items) are ids of the language files alone.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace app::text {

// ---------------------------------------------------------------------------------------------
// Message box keys

inline constexpr std::string_view kNoDevice = "message_text_1";
inline constexpr std::string_view kKeyboardMacroLocked = "message_text_3";
inline constexpr std::string_view kMouseMacroLocked = "message_text_4";
inline constexpr std::string_view kMacroNameTaken = "message_text_5";
inline constexpr std::string_view kMacroDownloadFailed = "message_text_7";
inline constexpr std::string_view kDefaultFileMissing = "message_text_8";
inline constexpr std::string_view kDefaultFileDamaged = "message_text_9";
inline constexpr std::string_view kTooManyKeys = "message_text_11";
// A printf pattern with one integer: how many 4-byte actions are too many for the mouse.
inline constexpr std::string_view kMacrosTooLarge = "message_text_16";
inline constexpr std::string_view kDeviceRemoved = "message_text_20";

inline constexpr std::array<std::string_view, 10> kMessages{
    kNoDevice,           kKeyboardMacroLocked, kMouseMacroLocked,
    kMacroNameTaken,     kMacroDownloadFailed, kDefaultFileMissing,
    kDefaultFileDamaged, kTooManyKeys,         kMacrosTooLarge,
    kDeviceRemoved};

// ---------------------------------------------------------------------------------------------
// Key table: display id of each of the 125 rows, in row order. The part after the prefix is the
// key's name, which the button menu shows as a label without translation.

inline constexpr std::string_view kKeyIdPrefix = "keyboard_key_";

inline constexpr std::array<std::string_view, 125> kKeyTableIds{
    "keyboard_key_LCtrl",
    "keyboard_key_LShift",
    "keyboard_key_LAlt",
    "keyboard_key_LWin",
    "keyboard_key_RCtrl",
    "keyboard_key_RShift",
    "keyboard_key_RAlt",
    "keyboard_key_RWin",
    "keyboard_key_A",
    "keyboard_key_B",
    "keyboard_key_C",
    "keyboard_key_D",
    "keyboard_key_E",
    "keyboard_key_F",
    "keyboard_key_G",
    "keyboard_key_H",
    "keyboard_key_I",
    "keyboard_key_J",
    "keyboard_key_K",
    "keyboard_key_L",
    "keyboard_key_M",
    "keyboard_key_N",
    "keyboard_key_O",
    "keyboard_key_P",
    "keyboard_key_Q",
    "keyboard_key_R",
    "keyboard_key_S",
    "keyboard_key_T",
    "keyboard_key_U",
    "keyboard_key_V",
    "keyboard_key_W",
    "keyboard_key_X",
    "keyboard_key_Y",
    "keyboard_key_Z",
    "keyboard_key_1",
    "keyboard_key_2",
    "keyboard_key_3",
    "keyboard_key_4",
    "keyboard_key_5",
    "keyboard_key_6",
    "keyboard_key_7",
    "keyboard_key_8",
    "keyboard_key_9",
    "keyboard_key_0",
    "keyboard_key_Enter",
    "keyboard_key_Esc",
    "keyboard_key_BackSpace",
    "keyboard_key_Tab",
    "keyboard_key_Space",
    "keyboard_key_-",
    "keyboard_key_=",
    "keyboard_key_[",
    "keyboard_key_]",
    "keyboard_key_xiegang",
    "keyboard_key_;",
    "keyboard_key_'",
    "keyboard_key_`",
    "keyboard_key_<",
    "keyboard_key_.",
    "keyboard_key_/",
    "keyboard_key_Caplk",
    "keyboard_key_F1",
    "keyboard_key_F2",
    "keyboard_key_F3",
    "keyboard_key_F4",
    "keyboard_key_F5",
    "keyboard_key_F6",
    "keyboard_key_F7",
    "keyboard_key_F8",
    "keyboard_key_F9",
    "keyboard_key_F10",
    "keyboard_key_F11",
    "keyboard_key_F12",
    "keyboard_key_Print Scr",
    "keyboard_key_Scroll Lock",
    "keyboard_key_Pause",
    "keyboard_key_Insert",
    "keyboard_key_Home",
    "keyboard_key_Page Up",
    "keyboard_key_Delete",
    "keyboard_key_End",
    "keyboard_key_Page Down",
    "keyboard_key_Right",
    "keyboard_key_Left",
    "keyboard_key_Down",
    "keyboard_key_Up",
    "keyboard_key_Num Lock",
    "keyboard_key_Num /",
    "keyboard_key_Num *",
    "keyboard_key_Num -",
    "keyboard_key_Num +",
    "keyboard_key_Num Enter",
    "keyboard_key_Num 1",
    "keyboard_key_Num 2",
    "keyboard_key_Num 3",
    "keyboard_key_Num 4",
    "keyboard_key_Num 5",
    "keyboard_key_Num 6",
    "keyboard_key_Num 7",
    "keyboard_key_Num 8",
    "keyboard_key_Num 9",
    "keyboard_key_Num 0",
    "keyboard_key_Decimal",
    "keyboard_key_App",
    "keyboard_key_Launch App2",
    "keyboard_key_Browaer Home",
    "keyboard_key_Media Play Pause",
    "keyboard_key_Browser Search",
    "keyboard_key_Launch Mail",
    "keyboard_key_Volume Up",
    "keyboard_key_Volume Mute",
    "keyboard_key_Media Stop",
    "keyboard_key_Volume Down",
    "keyboard_key_Browser Favorites",
    "keyboard_key_Browser ForWard",
    "keyboard_key_Browser Back",
    "keyboard_key_Media Prev Track",
    "keyboard_key_Media Next Track",
    "keyboard_key_Computer",
    "keyboard_key_Browser Refresh",
    "keyboard_key_Launch Media Select",
    "keyboard_key_Launch Media Select",
    "keyboard_key_Power",
    "keyboard_key_Sleep",
    "keyboard_key_Wakeup",
};

// The name a key label shows: its display id without the prefix.
inline std::string_view KeyName(std::string_view keyId) {
    return keyId.starts_with(kKeyIdPrefix) ? keyId.substr(kKeyIdPrefix.size()) : keyId;
}

// ---------------------------------------------------------------------------------------------
// Function labels, each list in the row order of its catalogue table.

inline constexpr std::string_view kMouseLeft = "mouse_key_left";
inline constexpr std::string_view kMouseMiddle = "mouse_key_middle";
inline constexpr std::string_view kMouseRight = "mouse_key_right";
inline constexpr std::string_view kMouseForward = "mouse_key_forward";
inline constexpr std::string_view kMouseBack = "mouse_key_back";
// Rows: primary, middle, secondary, forward, back.
inline constexpr std::array<std::string_view, 5> kMouseButtonIds{
    kMouseLeft, kMouseMiddle, kMouseRight, kMouseForward, kMouseBack};

// By the direction bit of the second parameter: clear, set.
inline constexpr std::array<std::string_view, 2> kHorizontalSwingIds{"mouse_key_left_Swing",
                                                                     "mouse_key_right_Swing"};
inline constexpr std::array<std::string_view, 2> kVerticalSwingIds{"mouse_key_up_Swing",
                                                                   "mouse_key_down_Swing"};
// Rows: up, down, cycle.
inline constexpr std::array<std::string_view, 3> kDpiStepIds{
    "mouse_key_DPI_add", "mouse_key_DPI_sub", "mouse_key_DPI_loop"};
inline constexpr std::string_view kFireKey = "mouse_key_fire_key";

// Office shortcuts. Rows 11 … 15 (print, the second find, Alt+F4, Windows+D, Windows+R) have
// no id of their own in the original list; ours name them, and the second find shares the
// first one's id.
inline constexpr std::array<std::string_view, 16> kOfficeIds{
    "combo_open",  "combo_new",          "combo_revocation",   "combo_save",
    "combo_copy",  "combo_cut",          "combo_paste",        "combo_finde",
    "combo_all",   "combo_narrow",       "combo_magnify",      "combo_print",
    "combo_finde", "combo_close_window", "combo_show_desktop", "combo_run"};

// Consumer controls (rows 0 … 17) followed by the presets: a preset n has the id at 18 + n.
inline constexpr std::size_t kPresetIdOffset = 18;
inline constexpr std::array<std::string_view, 22> kConsumerIds{
    "media_text",    "media_play",   "media_stop", "media_prev",  "media_next", "media_vol_sub",
    "media_vol_add", "media_mute",   "web_text",   "web_refresh", "wed_stop",   "wed_back",
    "wed_forward",   "wed_favorite", "web_search", "media_mypc",  "media_calc", "media_mail",
    "GUN_1",         "GUN_2",        "GUN_3",      "GUN_4"};

// Rows: power, sleep, wake.
inline constexpr std::array<std::string_view, 3> kSystemIds{"system_power", "system_sleep",
                                                            "system_wake_up"};

// Label of a code of no known kind on the mouse.
inline constexpr std::string_view kUnknownFunction = "close_text";
// Joins a key's default text and its assigned function in the key button tooltip.
inline constexpr std::string_view kKeySet = "Key_Set";

// ---------------------------------------------------------------------------------------------
// Mouse action table of the macro editors (rows 0 … 15); rows 0 … 9 are press and release pairs.

inline constexpr std::string_view kMoveLeft = "mouse_move_to_left_text";
inline constexpr std::string_view kMoveRight = "mouse_move_to_right_text";
inline constexpr std::string_view kMoveUp = "mouse_move_to_up_text";
inline constexpr std::string_view kMoveDown = "mouse_move_to_down_text";
inline constexpr std::array<std::string_view, 16> kMouseActionIds{
    kMouseLeft,    kMouseLeft,    kMouseRight,         kMouseRight, kMouseMiddle, kMouseMiddle,
    kMouseForward, kMouseForward, kMouseBack,          kMouseBack,  kMoveLeft,    kMoveRight,
    kMoveUp,       kMoveDown,     "mouse_cursor_text", "mouse_text"};

// ---------------------------------------------------------------------------------------------
// Direction labels of the keyboard lighting page (left and right check), per effect.

inline constexpr std::string_view kDirectionLeft = "Deng_FXL_text";
inline constexpr std::string_view kDirectionRight = "Deng_FXR_text";
inline constexpr std::string_view kDirectionUp = "Deng_FXU_text";
inline constexpr std::string_view kDirectionDown = "Deng_FXD_text";
inline constexpr std::string_view kDirectionInward = "Deng_FXJ_text";
inline constexpr std::string_view kDirectionOutward = "Deng_FXK_text";
inline constexpr std::string_view kDirectionSpread = "Deng_FXSPEAD_text";
inline constexpr std::string_view kDirectionGather = "Deng_FXGATHER_text";
inline constexpr std::array<std::string_view, 8> kDirectionIds{
    kDirectionLeft,   kDirectionRight,   kDirectionUp,     kDirectionDown,
    kDirectionInward, kDirectionOutward, kDirectionSpread, kDirectionGather};

// ---------------------------------------------------------------------------------------------
// Ids the main window answers itself through the text-query callback. The language files must
// not hold them: a language file's text would win over the callback.

inline constexpr std::array<std::string_view, 2> kAnsweredByMainWindow{"titletext", "hometext"};

// Every id above that the language files must hold (duplicates kept; callers compare sets).
inline std::vector<std::string_view> AllLanguageIds() {
    std::vector<std::string_view> all;
    // One element at a time: g++ 12 warns falsely about range inserts of arrays at -O2.
    auto append = [&all](const auto& ids) {
        for (std::string_view id : ids) {
            all.push_back(id);
        }
    };
    append(kMessages);
    append(kKeyTableIds);
    append(kMouseButtonIds);
    append(kHorizontalSwingIds);
    append(kVerticalSwingIds);
    append(kDpiStepIds);
    append(kOfficeIds);
    append(kConsumerIds);
    append(kSystemIds);
    append(kMouseActionIds);
    append(kDirectionIds);
    all.insert(all.end(), {kFireKey, kUnknownFunction, kKeySet});
    return all;
}

}  // namespace app::text
