#pragma once

namespace platform::shell {

// The desktop has no pointer speed, double-click time or wheel setting that a program may
// change, so these system parameters live in a small store of our own ("system.ini" in the
// configuration folder). Readers on any thread see the last value written; a value never
// written reads as its default.
inline constexpr int kDefaultPointerSpeed = 10;      // 1 … 20
inline constexpr int kDefaultWheelScrollLines = 3;   // 1 … 100, or kWheelScrollsPage
inline constexpr int kDefaultDoubleClickTime = 500;  // milliseconds
inline constexpr int kWheelScrollsPage = 255;        // the wheel scrolls one screen per notch

int GetPointerSpeed();
int GetWheelScrollLines();
int GetDoubleClickTime();

// False when the store cannot be written; the old value stays.
bool SetPointerSpeed(int speed);
bool SetWheelScrollLines(int lines);
bool SetDoubleClickTime(int milliseconds);

}  // namespace platform::shell
