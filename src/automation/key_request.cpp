#include "automation/key_request.h"

#include "automation/request_args.h"
#include "automation/targets.h"
#include "platform/input/keyboard_hook.h"
#include "platform/msg/post.h"
#include "platform/sys/clock.h"

namespace automation {

namespace {

constexpr int kScanCodeShift = 16;
constexpr int kExtendedBit = 24;
constexpr platform::msg::LPARAM kReleaseBits = platform::msg::LPARAM{3} << 30;

// The key data word of the window's key messages: repeat count 1, scan code, extended flag,
// and the previous-state and transition bits of a release.
platform::msg::LPARAM KeyData(const platform::input::KeyEvent& key) {
    return (static_cast<platform::msg::LPARAM>(key.scanCode) << kScanCodeShift) |
           (key.IsExtended() ? platform::msg::LPARAM{1} << kExtendedBit : 0) |
           (key.IsPress() ? 0 : kReleaseBits) | 1;
}

}  // namespace

Json RunKeyRequest(const AutomationContext& context, const Json& request) {
    const bool down = OptionalBool(request, "down", true);
    const auto flags = static_cast<uint32_t>(OptionalInt(request, "flags", 0, 0xFF).value_or(0));
    platform::input::KeyEvent key = platform::input::MakeKeyEvent(
        down, OptionalBool(request, "system", false),
        static_cast<uint32_t>(RequiredInt(request, "vk", 1, 0xFE)),
        static_cast<uint32_t>(OptionalInt(request, "scan", 0, 0xFFFF).value_or(0)),
        (flags & platform::input::kKeyFlagExtended) != 0, platform::sys::GetTickCount());
    key.flags |= flags & ~platform::input::kKeyFlagReleased;
    const bool swallowed = platform::input::DispatchKeyEvent(key);
    if (!swallowed) {
        const AutomationWindow window = ResolveWindow(context, request);
        platform::msg::SendMessage(window.hwnd, key.message, key.virtualKey, KeyData(key));
    }
    return Json::Object().Set("swallowed", swallowed);
}

}  // namespace automation
