#include "cursor_presets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace default_files {
namespace {

// Pointer move kinds of a macro action; bit 7 of the type marks the negative direction.
constexpr int kHorizontalMove = 0x04;
constexpr int kVerticalMove = 0x05;
constexpr int kNegative = 0x80;
constexpr int kMaxDistance = 255;
constexpr int kActionsPerPoint = 6;
constexpr int kMovesPerPoint = kActionsPerPoint / 2;
constexpr int kPresetCount = 4;

// One point of a path: where the pointer goes and the pause after the point's first half.
struct Point {
    int dx;
    int dy;
    int delayMs;
};

std::string Move(int kind, int distance, int delayMs) {
    const bool negative = distance < 0;
    const char* name = kind == kHorizontalMove
                           ? (negative ? "mouse_move_to_left_text" : "mouse_move_to_right_text")
                           : (negative ? "mouse_move_to_up_text" : "mouse_move_to_down_text");
    char text[96];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%s", delayMs & 0xFF, (delayMs >> 8) & 0xFF,
                  kind | (negative ? kNegative : 0), std::min(std::abs(distance), kMaxDistance),
                  negative ? 1 : 0, name);
    return text;
}

// A point moves in three equal steps of a horizontal and a vertical move each; the second
// step's vertical move (action 6p + 3) carries the point's pause.
void AppendPoint(std::vector<std::string>& actions, const Point& point) {
    for (int step = 0; step < kMovesPerPoint; ++step) {
        const int delay = step == 1 ? point.delayMs : 0;
        actions.push_back(Move(kHorizontalMove, point.dx / kMovesPerPoint, 0));
        actions.push_back(Move(kVerticalMove, point.dy / kMovesPerPoint, delay));
    }
}

// Square, zigzag, diamond and a staircase.
const std::array<std::vector<Point>, kPresetCount> kPaths = {{
    {{90, 0, 20}, {0, 90, 20}, {-90, 0, 20}, {0, -90, 20}},
    {{60, 60, 10}, {60, -60, 10}, {60, 60, 10}, {60, -60, 10}},
    {{60, 60, 15}, {-60, 60, 15}, {-60, -60, 15}, {60, -60, 15}},
    {{30, 0, 5}, {0, 30, 5}, {30, 0, 5}, {0, 30, 5}, {30, 0, 5}, {0, 30, 5}},
}};

}  // namespace

std::vector<CursorPreset> CursorPresets() {
    std::vector<CursorPreset> presets;
    for (int index = 0; index < kPresetCount; ++index) {
        CursorPreset preset{"name_" + std::to_string(index + 1) + ".cur", {}};
        for (const Point& point : kPaths[static_cast<size_t>(index)]) {
            AppendPoint(preset.actions, point);
        }
        presets.push_back(std::move(preset));
    }
    return presets;
}

}  // namespace default_files
