#include "platform/fs/known_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "platform/fs/text.h"

namespace platform::fs {
namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::string HomeFolder() {
    if (auto home = Environment("HOME")) {
        return *home;
    }
    // getpwuid_r, not getpwuid: folders may be asked for from any thread.
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        return found->pw_dir;
    }
    return "/";
}

std::string XdgConfigHome() {
    if (auto config = Environment("XDG_CONFIG_HOME")) {
        return *config;
    }
    return WithTrailingSlash(HomeFolder()) + ".config";
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: a quoted absolute path or "$HOME/...".
std::optional<std::string> XdgDocumentsFolder() {
    std::ifstream file(WithTrailingSlash(XdgConfigHome()) + "user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    std::string line;
    while (std::getline(file, line)) {
        std::string_view text = TrimSpaces(line);
        if (!text.starts_with(kKey)) {
            continue;
        }
        text.remove_prefix(kKey.size());
        if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
            return std::nullopt;
        }
        text = text.substr(1, text.size() - 2);
        constexpr std::string_view kHome = "$HOME";
        if (text.starts_with(kHome)) {
            return HomeFolder() + std::string(text.substr(kHome.size()));
        }
        if (text.starts_with('/')) {
            return std::string(text);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

std::string DocumentsFolder() {
    if (auto overridden = Environment(kDocumentsDirVariable)) {
        return WithTrailingSlash(*overridden);
    }
    if (auto xdg = XdgDocumentsFolder()) {
        return WithTrailingSlash(*xdg);
    }
    return WithTrailingSlash(HomeFolder()) + "Documents/";
}

std::string ProgramFolder() {
    if (auto overridden = Environment(kProgramDirVariable)) {
        return WithTrailingSlash(*overridden);
    }
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return WithTrailingSlash(exe.parent_path().string());
}

std::string ConfigFolder() {
    if (auto overridden = Environment(kConfigDirVariable)) {
        return WithTrailingSlash(*overridden);
    }
    return WithTrailingSlash(XdgConfigHome()) + "kavrin/";
}

}  // namespace platform::fs
