#pragma once

#include <algorithm>
#include <cstdint>

namespace toolkit::render {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Integer rectangle with exclusive right/bottom edges, as window positions are given.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Size GetSize() const { return {Width(), Height()}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }

    // Empty (all zero) when the two do not meet.
    constexpr Rect Intersect(const Rect& other) const {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    // Smallest rectangle holding both; an empty operand does not count.
    constexpr Rect Union(const Rect& other) const {
        if (IsEmpty()) {
            return other;
        }
        if (other.IsEmpty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    constexpr Rect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // Moves each edge inwards by the given amount (negative grows the rectangle).
    constexpr Rect Deflate(int l, int t, int r, int b) const {
        return {left + l, top + t, right - r, bottom - b};
    }
    constexpr Rect Deflate(int all) const { return Deflate(all, all, all, all); }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// 0xAARRGGBB, the form skin attributes ("bkcolor=\"#FF202020\"") are written in.
using Color = std::uint32_t;

constexpr std::uint8_t AlphaOf(Color c) {
    return static_cast<std::uint8_t>(c >> 24);
}
constexpr std::uint8_t RedOf(Color c) {
    return static_cast<std::uint8_t>(c >> 16);
}
constexpr std::uint8_t GreenOf(Color c) {
    return static_cast<std::uint8_t>(c >> 8);
}
constexpr std::uint8_t BlueOf(Color c) {
    return static_cast<std::uint8_t>(c);
}

constexpr Color MakeColor(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Color>(a) << 24 | static_cast<Color>(r) << 16 | static_cast<Color>(g) << 8 |
           static_cast<Color>(b);
}
constexpr Color WithAlpha(Color c, std::uint8_t a) {
    return (c & 0x00FFFFFFu) | Color{a} << 24;
}

// The lighting threads hand colours to the changer packed as green << 16 | blue << 8 | red.
constexpr Color ColorFromChangerPacked(std::uint32_t packed) {
    return MakeColor(0xFF, static_cast<std::uint8_t>(packed),
                     static_cast<std::uint8_t>(packed >> 16),
                     static_cast<std::uint8_t>(packed >> 8));
}
constexpr std::uint32_t ChangerPackedFromColor(Color c) {
    return std::uint32_t{GreenOf(c)} << 16 | std::uint32_t{BlueOf(c)} << 8 | RedOf(c);
}
constexpr std::uint32_t PackChanger(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t{g} << 16 | std::uint32_t{b} << 8 | r;
}

}  // namespace toolkit::render
