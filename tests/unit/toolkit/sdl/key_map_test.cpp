#include "toolkit/sdl/sdl_key_map.h"

#include <gtest/gtest.h>

#include "platform/msg/messages.h"

namespace toolkit::sdl {
namespace {

namespace m = platform::msg;

TEST(SdlKeyMapTest, KeysGiveTheirVirtualKeyScanCodeAndExtendedFlag) {
    struct Case {
        SDL_Scancode scancode;
        uint32_t vk, scan;
        bool extended;
    };
    const Case cases[] = {
        {SDL_SCANCODE_A, 0x41, 0x1E, false},
        {SDL_SCANCODE_Z, 0x5A, 0x2C, false},
        {SDL_SCANCODE_1, 0x31, 0x02, false},
        {SDL_SCANCODE_9, 0x39, 0x0A, false},
        {SDL_SCANCODE_0, 0x30, 0x0B, false},
        {SDL_SCANCODE_F1, 0x70, 0x3B, false},
        {SDL_SCANCODE_F10, 0x79, 0x44, false},
        {SDL_SCANCODE_F12, 0x7B, 0x58, false},
        // The two Enter keys share a code and differ by the extended flag.
        {SDL_SCANCODE_RETURN, 0x0D, 0x1C, false},
        {SDL_SCANCODE_KP_ENTER, 0x0D, 0x1C, true},
        {SDL_SCANCODE_LCTRL, 0xA2, 0x1D, false},
        {SDL_SCANCODE_RCTRL, 0xA3, 0x1D, true},
        {SDL_SCANCODE_LSHIFT, 0xA0, 0x2A, false},
        {SDL_SCANCODE_RSHIFT, 0xA1, 0x36, false},
        {SDL_SCANCODE_RALT, 0xA5, 0x38, true},
        {SDL_SCANCODE_LGUI, 0x5B, 0x5B, true},
        {SDL_SCANCODE_LEFT, 0x25, 0x4B, true},
        {SDL_SCANCODE_KP_4, 0x64, 0x4B, false},
        {SDL_SCANCODE_DELETE, 0x2E, 0x53, true},
        {SDL_SCANCODE_KP_PERIOD, 0x6E, 0x53, false},
        {SDL_SCANCODE_CAPSLOCK, 0x14, 0x3A, false},
        {SDL_SCANCODE_NUMLOCKCLEAR, 0x90, 0x45, true},
        {SDL_SCANCODE_BACKSLASH, 0xDC, 0x2B, false},
        {SDL_SCANCODE_GRAVE, 0xC0, 0x29, false},
        {SDL_SCANCODE_AUDIONEXT, 0xB0, 0x19, true},
        {SDL_SCANCODE_VOLUMEUP, 0xAF, 0x30, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SDL_GetScancodeName(c.scancode));
        std::optional<KeyCodes> codes = KeyCodesFromScancode(c.scancode);
        ASSERT_TRUE(codes.has_value());
        EXPECT_EQ(codes->virtualKey, c.vk);
        EXPECT_EQ(codes->scanCode, c.scan);
        EXPECT_EQ(codes->extended, c.extended);
    }
    EXPECT_FALSE(KeyCodesFromScancode(SDL_SCANCODE_F24).has_value());
    EXPECT_FALSE(KeyCodesFromScancode(SDL_SCANCODE_UNKNOWN).has_value());
}

SDL_KeyboardEvent Key(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
    SDL_KeyboardEvent key{};
    key.type = type;
    key.keysym.scancode = scancode;
    key.keysym.mod = mod;
    key.timestamp = 1234;
    return key;
}

TEST(SdlKeyMapTest, EventsCarryMessageFlagsAndTime) {
    auto press = KeyEventFromSdl(Key(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER));
    ASSERT_TRUE(press.has_value());
    EXPECT_EQ(press->message, m::WM_KEYDOWN);
    EXPECT_EQ(press->flags, 0x01u);
    EXPECT_EQ(press->time, 1234u);

    auto release = KeyEventFromSdl(Key(SDL_KEYUP, SDL_SCANCODE_KP_ENTER));
    EXPECT_EQ(release->message, m::WM_KEYUP);
    EXPECT_EQ(release->flags, 0x81u);

    // Alt held, Alt itself and F10 are system keys.
    EXPECT_EQ(KeyEventFromSdl(Key(SDL_KEYDOWN, SDL_SCANCODE_TAB, KMOD_LALT))->message,
              m::WM_SYSKEYDOWN);
    EXPECT_EQ(KeyEventFromSdl(Key(SDL_KEYUP, SDL_SCANCODE_LALT))->message, m::WM_SYSKEYUP);
    EXPECT_EQ(KeyEventFromSdl(Key(SDL_KEYDOWN, SDL_SCANCODE_F10))->message, m::WM_SYSKEYDOWN);
    EXPECT_FALSE(KeyEventFromSdl(Key(SDL_KEYDOWN, SDL_SCANCODE_F24)).has_value());
}

TEST(SdlKeyMapTest, WindowMessagesFoldSidedModifiers) {
    EXPECT_EQ(WindowVirtualKey(0xA0), 0x10u);
    EXPECT_EQ(WindowVirtualKey(0xA1), 0x10u);
    EXPECT_EQ(WindowVirtualKey(0xA3), 0x11u);
    EXPECT_EQ(WindowVirtualKey(0xA4), 0x12u);
    EXPECT_EQ(WindowVirtualKey(0x41), 0x41u);
}

}  // namespace
}  // namespace toolkit::sdl
