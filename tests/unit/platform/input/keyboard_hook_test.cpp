#include "platform/input/keyboard_hook.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/msg/messages.h"

namespace platform::input {
namespace {

KeyEvent Press(uint32_t vk) {
    return MakeKeyEvent(true, false, vk, 0, false, 0);
}

TEST(KeyEventTest, MessagesAndFlagsFollowPressReleaseAndSystemKeys) {
    struct Case {
        bool press, system, extended;
        msg::UINT message;
        uint32_t flags;
    };
    const Case cases[] = {
        {true, false, false, msg::WM_KEYDOWN, 0x00},   {false, false, false, msg::WM_KEYUP, 0x80},
        {true, true, false, msg::WM_SYSKEYDOWN, 0x00}, {false, true, true, msg::WM_SYSKEYUP, 0x81},
        {true, false, true, msg::WM_KEYDOWN, 0x01},
    };
    for (const Case& c : cases) {
        KeyEvent event = MakeKeyEvent(c.press, c.system, 0x0D, 0x1C, c.extended, 7);
        EXPECT_EQ(event.message, c.message);
        EXPECT_EQ(event.flags, c.flags);
        EXPECT_EQ(event.IsPress(), c.press);
        EXPECT_EQ(event.IsExtended(), c.extended);
    }
}

TEST(KeyboardHookTest, NewestHookFirstAndSwallowingStopsTheChain) {
    std::vector<int> calls;
    KeyboardHook older = InstallKeyboardHook([&](const KeyEvent&) {
        calls.push_back(1);
        return false;
    });
    bool swallow = false;
    KeyboardHook newer = InstallKeyboardHook([&](const KeyEvent&) {
        calls.push_back(2);
        return swallow;
    });
    EXPECT_FALSE(DispatchKeyEvent(Press(0x41)));
    EXPECT_EQ(calls, (std::vector<int>{2, 1}));

    calls.clear();
    swallow = true;
    EXPECT_TRUE(DispatchKeyEvent(Press(0x41)));
    EXPECT_EQ(calls, (std::vector<int>{2}));
}

TEST(KeyboardHookTest, HandleUninstallsOnDestructionAndMoveKeepsOneOwner) {
    int seen = 0;
    {
        KeyboardHook hook = InstallKeyboardHook([&](const KeyEvent&) {
            ++seen;
            return false;
        });
        KeyboardHook moved = std::move(hook);
        EXPECT_FALSE(hook.IsInstalled());
        EXPECT_TRUE(moved.IsInstalled());
        EXPECT_EQ(GetKeyboardHookCount(), 1);
        DispatchKeyEvent(Press(0x14));
    }
    EXPECT_EQ(GetKeyboardHookCount(), 0);
    DispatchKeyEvent(Press(0x14));
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(InstallKeyboardHook(nullptr).IsInstalled());
}

TEST(KeyboardHookTest, HookRemovingAnotherDuringDispatchIsSafe) {
    // A capture page removes its hook (and its owner's) from inside the hook itself.
    std::optional<KeyboardHook> victim;
    int victimCalls = 0;
    victim = InstallKeyboardHook([&](const KeyEvent&) {
        ++victimCalls;
        return false;
    });
    std::optional<KeyboardHook> self;
    self = InstallKeyboardHook([&](const KeyEvent&) {
        victim.reset();
        self.reset();
        return false;
    });
    EXPECT_FALSE(DispatchKeyEvent(Press(0x1B)));
    EXPECT_EQ(victimCalls, 0);
    EXPECT_EQ(GetKeyboardHookCount(), 0);
}

}  // namespace
}  // namespace platform::input
