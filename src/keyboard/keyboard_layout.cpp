#include "keyboard/keyboard_layout.h"

namespace keyboard {
namespace {

constexpr uint8_t kKeyboardKey = 0x20;

constexpr Function Key(uint8_t usage) {
    return {kKeyboardKey, 0, usage};
}
constexpr Function Modifier(uint8_t mask) {
    return {kKeyboardKey, mask, 0};
}
constexpr Function kNoKey = Key(0);
// The Fn key, which the keyboard keeps to itself.
constexpr Function kFn = {0xA0, 2, 2};

}  // namespace

// clang-format off
const std::array<Function, kKeySlotCount> kKeyboardLayout = {{
    // Escape, F1 … F12, Print Screen, Scroll Lock, Pause.
    Key(41), Key(58), Key(59), Key(60), Key(61), Key(62), Key(63), Key(64), Key(65), Key(66),
    Key(67), Key(68), Key(69), Key(70), Key(71), Key(72), kNoKey, kNoKey, kNoKey, kNoKey, kNoKey,
    // ` 1 … 0 - = Backspace, Insert Home Page Up, Num Lock, keypad / * -.
    Key(53), Key(30), Key(31), Key(32), Key(33), Key(34), Key(35), Key(36), Key(37), Key(38),
    Key(39), Key(45), Key(46), Key(42), Key(73), Key(74), Key(75), Key(83), Key(84), Key(85),
    Key(86),
    // Tab Q … P [ ] \, Delete End Page Down, keypad 7 8 9.
    Key(43), Key(20), Key(26), Key(8), Key(21), Key(23), Key(28), Key(24), Key(12), Key(18),
    Key(19), Key(47), Key(48), Key(49), Key(76), Key(77), Key(78), Key(95), Key(96), Key(97),
    kNoKey,
    // Caps Lock A … L ; ' Enter, keypad 4 5 6.
    Key(57), Key(4), Key(22), Key(7), Key(9), Key(10), Key(11), Key(13), Key(14), Key(15),
    Key(51), Key(52), Key(40), Key(92), Key(93), Key(94), kNoKey, kNoKey, kNoKey, kNoKey, kNoKey,
    // Left Shift Z … / right Shift, Up, keypad 1 2 3, non-US backslash.
    Modifier(0x02), Key(29), Key(27), Key(6), Key(25), Key(5), Key(17), Key(16), Key(54),
    Key(55), Key(56), Modifier(0x20), Key(82), Key(89), Key(90), Key(91), kNoKey, kNoKey,
    Key(100), kNoKey, kNoKey,
    // Left Ctrl, left GUI, left Alt, Space, right Alt, Fn, Application, right Ctrl, Left Down
    // Right, keypad 0 . Enter +, right GUI.
    Modifier(0x01), Modifier(0x08), Modifier(0x04), Key(44), Modifier(0x40), kFn, Key(101),
    Modifier(0x10), Key(80), Key(81), Key(79), Key(98), Key(99), Key(88), Key(87), kNoKey,
    kNoKey, kNoKey, kNoKey, kNoKey, Modifier(0x80),
}};
// clang-format on

}  // namespace keyboard
