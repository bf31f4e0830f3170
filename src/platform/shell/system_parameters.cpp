#include "platform/shell/system_parameters.h"

#include <string>
#include <string_view>

#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"

namespace platform::shell {
namespace {

constexpr std::string_view kSection = "SYSTEM";
constexpr std::string_view kPointerSpeedKey = "PointerSpeed";
constexpr std::string_view kWheelLinesKey = "WheelScrollLines";
constexpr std::string_view kDoubleClickKey = "DoubleClickTime";

std::string StorePath() {
    return fs::ConfigFolder() + "system.ini";
}

int Read(std::string_view key, int defaultValue) {
    return fs::GetPrivateProfileInt(kSection, key, defaultValue, StorePath());
}

bool Write(std::string_view key, int value) {
    const std::string folder = fs::ConfigFolder();
    return fs::CreateFolder(folder) &&
           fs::WritePrivateProfileString(kSection, key, std::to_string(value), StorePath());
}

}  // namespace

int GetPointerSpeed() {
    return Read(kPointerSpeedKey, kDefaultPointerSpeed);
}

int GetWheelScrollLines() {
    return Read(kWheelLinesKey, kDefaultWheelScrollLines);
}

int GetDoubleClickTime() {
    return Read(kDoubleClickKey, kDefaultDoubleClickTime);
}

bool SetPointerSpeed(int speed) {
    return Write(kPointerSpeedKey, speed);
}

bool SetWheelScrollLines(int lines) {
    return Write(kWheelLinesKey, lines);
}

bool SetDoubleClickTime(int milliseconds) {
    return Write(kDoubleClickKey, milliseconds);
}

}  // namespace platform::shell
