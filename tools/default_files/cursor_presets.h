#pragma once

#include <string>
#include <vector>

// The four cursor path presets ("name_1" … "name_4" with ".cur"), in the macro file layout:
// points of six pointer moves each.
namespace default_files {

struct CursorPreset {
    std::string fileName;
    std::vector<std::string> actions;  // macro action texts, in playing order
};

std::vector<CursorPreset> CursorPresets();

// The preset file as the INI functions read it: action count and actions.
inline constexpr const char* kActionCountSection = "MACROACTIONCOUNT";
inline constexpr const char* kActionCountKey = "count";
inline constexpr const char* kActionSection = "MACROACTION";

}  // namespace default_files
