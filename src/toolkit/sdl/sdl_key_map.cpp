#include "toolkit/sdl/sdl_key_map.h"

#include <array>

namespace toolkit::sdl {

namespace {

struct Row {
    SDL_Scancode scancode;
    uint16_t virtualKey;
    uint8_t scanCode;
    bool extended;
};

constexpr bool E = true;   // extended key (E0 prefix)
constexpr bool N = false;  // plain key

// Keys whose codes do not follow from a range below.
constexpr Row kRows[] = {
    {SDL_SCANCODE_A, 0x41, 0x1E, N},
    {SDL_SCANCODE_B, 0x42, 0x30, N},
    {SDL_SCANCODE_C, 0x43, 0x2E, N},
    {SDL_SCANCODE_D, 0x44, 0x20, N},
    {SDL_SCANCODE_E, 0x45, 0x12, N},
    {SDL_SCANCODE_F, 0x46, 0x21, N},
    {SDL_SCANCODE_G, 0x47, 0x22, N},
    {SDL_SCANCODE_H, 0x48, 0x23, N},
    {SDL_SCANCODE_I, 0x49, 0x17, N},
    {SDL_SCANCODE_J, 0x4A, 0x24, N},
    {SDL_SCANCODE_K, 0x4B, 0x25, N},
    {SDL_SCANCODE_L, 0x4C, 0x26, N},
    {SDL_SCANCODE_M, 0x4D, 0x32, N},
    {SDL_SCANCODE_N, 0x4E, 0x31, N},
    {SDL_SCANCODE_O, 0x4F, 0x18, N},
    {SDL_SCANCODE_P, 0x50, 0x19, N},
    {SDL_SCANCODE_Q, 0x51, 0x10, N},
    {SDL_SCANCODE_R, 0x52, 0x13, N},
    {SDL_SCANCODE_S, 0x53, 0x1F, N},
    {SDL_SCANCODE_T, 0x54, 0x14, N},
    {SDL_SCANCODE_U, 0x55, 0x16, N},
    {SDL_SCANCODE_V, 0x56, 0x2F, N},
    {SDL_SCANCODE_W, 0x57, 0x11, N},
    {SDL_SCANCODE_X, 0x58, 0x2D, N},
    {SDL_SCANCODE_Y, 0x59, 0x15, N},
    {SDL_SCANCODE_Z, 0x5A, 0x2C, N},
    {SDL_SCANCODE_0, 0x30, 0x0B, N},
    {SDL_SCANCODE_RETURN, 0x0D, 0x1C, N},
    {SDL_SCANCODE_ESCAPE, 0x1B, 0x01, N},
    {SDL_SCANCODE_BACKSPACE, 0x08, 0x0E, N},
    {SDL_SCANCODE_TAB, 0x09, 0x0F, N},
    {SDL_SCANCODE_SPACE, 0x20, 0x39, N},
    {SDL_SCANCODE_MINUS, 0xBD, 0x0C, N},
    {SDL_SCANCODE_EQUALS, 0xBB, 0x0D, N},
    {SDL_SCANCODE_LEFTBRACKET, 0xDB, 0x1A, N},
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD, 0x1B, N},
    {SDL_SCANCODE_BACKSLASH, 0xDC, 0x2B, N},
    {SDL_SCANCODE_NONUSHASH, 0xDC, 0x2B, N},
    {SDL_SCANCODE_SEMICOLON, 0xBA, 0x27, N},
    {SDL_SCANCODE_APOSTROPHE, 0xDE, 0x28, N},
    {SDL_SCANCODE_GRAVE, 0xC0, 0x29, N},
    {SDL_SCANCODE_COMMA, 0xBC, 0x33, N},
    {SDL_SCANCODE_PERIOD, 0xBE, 0x34, N},
    {SDL_SCANCODE_SLASH, 0xBF, 0x35, N},
    {SDL_SCANCODE_CAPSLOCK, 0x14, 0x3A, N},
    {SDL_SCANCODE_F11, 0x7A, 0x57, N},
    {SDL_SCANCODE_F12, 0x7B, 0x58, N},
    {SDL_SCANCODE_PRINTSCREEN, 0x2C, 0x37, E},
    {SDL_SCANCODE_SCROLLLOCK, 0x91, 0x46, N},
    {SDL_SCANCODE_PAUSE, 0x13, 0x45, N},
    {SDL_SCANCODE_INSERT, 0x2D, 0x52, E},
    {SDL_SCANCODE_HOME, 0x24, 0x47, E},
    {SDL_SCANCODE_PAGEUP, 0x21, 0x49, E},
    {SDL_SCANCODE_DELETE, 0x2E, 0x53, E},
    {SDL_SCANCODE_END, 0x23, 0x4F, E},
    {SDL_SCANCODE_PAGEDOWN, 0x22, 0x51, E},
    {SDL_SCANCODE_RIGHT, 0x27, 0x4D, E},
    {SDL_SCANCODE_LEFT, 0x25, 0x4B, E},
    {SDL_SCANCODE_DOWN, 0x28, 0x50, E},
    {SDL_SCANCODE_UP, 0x26, 0x48, E},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90, 0x45, E},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F, 0x35, E},
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A, 0x37, N},
    {SDL_SCANCODE_KP_MINUS, 0x6D, 0x4A, N},
    {SDL_SCANCODE_KP_PLUS, 0x6B, 0x4E, N},
    {SDL_SCANCODE_KP_ENTER, 0x0D, 0x1C, E},
    {SDL_SCANCODE_KP_1, 0x61, 0x4F, N},
    {SDL_SCANCODE_KP_2, 0x62, 0x50, N},
    {SDL_SCANCODE_KP_3, 0x63, 0x51, N},
    {SDL_SCANCODE_KP_4, 0x64, 0x4B, N},
    {SDL_SCANCODE_KP_5, 0x65, 0x4C, N},
    {SDL_SCANCODE_KP_6, 0x66, 0x4D, N},
    {SDL_SCANCODE_KP_7, 0x67, 0x47, N},
    {SDL_SCANCODE_KP_8, 0x68, 0x48, N},
    {SDL_SCANCODE_KP_9, 0x69, 0x49, N},
    {SDL_SCANCODE_KP_0, 0x60, 0x52, N},
    {SDL_SCANCODE_KP_PERIOD, 0x6E, 0x53, N},
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2, 0x56, N},
    {SDL_SCANCODE_APPLICATION, 0x5D, 0x5D, E},
    {SDL_SCANCODE_LCTRL, 0xA2, 0x1D, N},
    {SDL_SCANCODE_LSHIFT, 0xA0, 0x2A, N},
    {SDL_SCANCODE_LALT, 0xA4, 0x38, N},
    {SDL_SCANCODE_LGUI, 0x5B, 0x5B, E},
    {SDL_SCANCODE_RCTRL, 0xA3, 0x1D, E},
    {SDL_SCANCODE_RSHIFT, 0xA1, 0x36, N},
    {SDL_SCANCODE_RALT, 0xA5, 0x38, E},
    {SDL_SCANCODE_RGUI, 0x5C, 0x5C, E},
    {SDL_SCANCODE_VOLUMEUP, 0xAF, 0x30, E},
    {SDL_SCANCODE_VOLUMEDOWN, 0xAE, 0x2E, E},
    {SDL_SCANCODE_AUDIONEXT, 0xB0, 0x19, E},
    {SDL_SCANCODE_AUDIOPREV, 0xB1, 0x10, E},
    {SDL_SCANCODE_AUDIOSTOP, 0xB2, 0x24, E},
    {SDL_SCANCODE_AUDIOPLAY, 0xB3, 0x22, E},
    {SDL_SCANCODE_AUDIOMUTE, 0xAD, 0x20, E},
    {SDL_SCANCODE_MEDIASELECT, 0xB5, 0x6D, E},
    {SDL_SCANCODE_MAIL, 0xB4, 0x6C, E},
    {SDL_SCANCODE_CALCULATOR, 0xB7, 0x21, E},
    {SDL_SCANCODE_COMPUTER, 0xB6, 0x6B, E},
    {SDL_SCANCODE_AC_SEARCH, 0xAA, 0x65, E},
    {SDL_SCANCODE_AC_HOME, 0xAC, 0x32, E},
    {SDL_SCANCODE_AC_BACK, 0xA6, 0x6A, E},
    {SDL_SCANCODE_AC_FORWARD, 0xA7, 0x69, E},
    {SDL_SCANCODE_AC_STOP, 0xA9, 0x68, E},
    {SDL_SCANCODE_AC_REFRESH, 0xA8, 0x67, E},
    {SDL_SCANCODE_AC_BOOKMARKS, 0xAB, 0x66, E},
    {SDL_SCANCODE_SLEEP, 0x5F, 0x5F, E},
};

constexpr uint32_t kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12, kVkF10 = 0x79;

}  // namespace

std::optional<KeyCodes> KeyCodesFromScancode(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        auto offset = static_cast<uint32_t>(scancode - SDL_SCANCODE_1);
        return KeyCodes{0x31 + offset, 0x02 + offset, false};
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F10) {
        auto offset = static_cast<uint32_t>(scancode - SDL_SCANCODE_F1);
        return KeyCodes{0x70 + offset, 0x3B + offset, false};
    }
    for (const Row& row : kRows) {
        if (row.scancode == scancode) {
            return KeyCodes{row.virtualKey, row.scanCode, row.extended};
        }
    }
    return std::nullopt;
}

std::optional<platform::input::KeyEvent> KeyEventFromSdl(const SDL_KeyboardEvent& key) {
    std::optional<KeyCodes> codes = KeyCodesFromScancode(key.keysym.scancode);
    if (!codes) {
        return std::nullopt;
    }
    bool systemKey = (key.keysym.mod & KMOD_ALT) != 0 || codes->virtualKey == kVkF10 ||
                     codes->virtualKey == 0xA4 || codes->virtualKey == 0xA5;
    return platform::input::MakeKeyEvent(key.type == SDL_KEYDOWN, systemKey, codes->virtualKey,
                                         codes->scanCode, codes->extended, key.timestamp);
}

uint32_t WindowVirtualKey(uint32_t virtualKey) {
    switch (virtualKey) {
        case 0xA0:
        case 0xA1:
            return kVkShift;
        case 0xA2:
        case 0xA3:
            return kVkControl;
        case 0xA4:
        case 0xA5:
            return kVkMenu;
        default:
            return virtualKey;
    }
}

}  // namespace toolkit::sdl
