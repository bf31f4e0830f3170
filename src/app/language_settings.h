#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

// "main.ini" of the data folder: the background image and the language of the next start.
inline constexpr std::string_view kMainIniName = "main.ini";
inline constexpr std::string_view kSkinImageSection = "SKINIMAGE";
inline constexpr std::string_view kFlagsKey = "FLAGS";
inline constexpr std::string_view kImageKey = "IMAGE";
inline constexpr std::string_view kLanguageKey = "LANGUAGE";

// The registry value that survives edits of "main.ini".
inline constexpr std::string_view kRegistryKey = "SOFTWARE\\Gaming Mouse";
inline constexpr std::string_view kRegistryLanguageValue = "LANGUAGE";
inline constexpr std::string_view kRegistryEnglish = "1010";
inline constexpr std::string_view kRegistryChinese = "2020";

// Values of "LANGUAGE" in "main.ini".
inline constexpr int kLanguageEnglish = 0;
inline constexpr int kLanguageChinese = 1;

struct LanguageFile {
    std::string_view file;  // language file in the skin folder
    std::string_view name;  // the resource manager's language name
};

// 0 English, 1 simplified Chinese, anything else traditional Chinese.
LanguageFile LanguageFileOf(int setting);

std::string MainIniPath();
int ReadLanguageSetting();

// Start-up: "LANGUAGE" of "main.ini" follows the registry value when it can be read (2020
// Chinese, anything else English); otherwise the file is left alone. False when unreadable.
bool SyncLanguageFromRegistry();

// Loads the language file of the setting and names the language; false when the file cannot be
// read (the old texts stay).
bool LoadLanguage(int setting);

// The user's choice: loads it, stores it in "main.ini" and the registry and shows every text in
// it. Only English and Chinese can be chosen.
void ChooseLanguage(int setting);

}  // namespace app
