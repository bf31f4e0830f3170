#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform::msg {

// Message parameters are 64 bits wide so that pointers and handles fit as they do on Win64.
using UINT = uint32_t;
using WPARAM = uint64_t;
using LPARAM = int64_t;
using LRESULT = int64_t;
using UINT_PTR = uint64_t;

// Opaque window handle. Values are never reused within a process, so a message aimed at a
// destroyed window can never reach a newer one.
class HWND {
public:
    constexpr HWND() = default;
    constexpr HWND(std::nullptr_t) {}
    constexpr explicit HWND(uint64_t value) : value_(value) {}

    constexpr uint64_t value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(HWND, HWND) = default;
    friend constexpr auto operator<=>(HWND, HWND) = default;

private:
    uint64_t value_ = 0;
};

// Identifies a thread's message queue; never reused within a process. kNone names no thread.
enum class ThreadId : uint64_t { kNone = 0 };

// The window procedure: receives every message dispatched or sent to its window, on the thread
// that created the window.
using WindowProc = std::function<LRESULT(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)>;

// A closure handed to a thread's loop; runs in order with the posted messages.
using Task = std::function<void()>;

// One retrieved message. A posted task arrives with message 0 (WM_NULL) and `task` set.
struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    Task task;
};

}  // namespace platform::msg

template <>
struct std::hash<platform::msg::HWND> {
    size_t operator()(platform::msg::HWND h) const noexcept {
        return std::hash<uint64_t>{}(h.value());
    }
};
