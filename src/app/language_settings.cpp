#include "app/language_settings.h"

#include "app/data_folders.h"
#include "platform/fs/profile_string.h"
#include "platform/fs/registry.h"
#include "platform/sys/debug_output.h"
#include "toolkit/core/resource_manager.h"

namespace app {
namespace {

using platform::fs::RegistryRoot;

void WriteLanguageSetting(int setting) {
    platform::fs::WritePrivateProfileString(kSkinImageSection, kLanguageKey,
                                            std::to_string(setting), MainIniPath());
}

}  // namespace

LanguageFile LanguageFileOf(int setting) {
    switch (setting) {
        case kLanguageEnglish:
            return {"lan_en.xml", "en"};
        case kLanguageChinese:
            return {"lan_cn.xml", "cn_zh"};
        default:
            return {"lan_sn.xml", "cn_tw"};
    }
}

std::string MainIniPath() {
    return GetDataFolder() + std::string(kMainIniName);
}

int ReadLanguageSetting() {
    return platform::fs::GetPrivateProfileInt(kSkinImageSection, kLanguageKey, 0, MainIniPath());
}

bool SyncLanguageFromRegistry() {
    std::optional<std::string> value = platform::fs::ReadRegistryString(
        RegistryRoot::kLocalMachine, kRegistryKey, kRegistryLanguageValue);
    if (!value) {
        platform::sys::OutputDebugString("读注册表失败了");
        return false;
    }
    WriteLanguageSetting(platform::fs::DecimalToInt(*value) == 2020 ? kLanguageChinese
                                                                    : kLanguageEnglish);
    return true;
}

bool LoadLanguage(int setting) {
    LanguageFile language = LanguageFileOf(setting);
    toolkit::CResourceManager& resources = toolkit::CResourceManager::GetInstance();
    resources.SetLanguage(std::string(language.name));
    return resources.LoadLanguage(language.file);
}

void ChooseLanguage(int setting) {
    LoadLanguage(setting);
    WriteLanguageSetting(setting);
    if (platform::fs::WriteRegistryString(
            RegistryRoot::kLocalMachine, kRegistryKey, kRegistryLanguageValue,
            setting == kLanguageChinese ? kRegistryChinese : kRegistryEnglish)) {
        platform::sys::OutputDebugString("写成功！");
    }
    toolkit::CResourceManager::GetInstance().ReloadText();
}

}  // namespace app
