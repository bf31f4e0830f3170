// Writes the default profile files and the cursor presets into the program folder given as
// the only argument.
#include <cstdio>
#include <string>

#include "app/binary_file.h"
#include "cursor_presets.h"
#include "default_profiles.h"
#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"
#include "platform/fs/profile_string.h"

namespace {

bool WritePreset(const std::string& path, const default_files::CursorPreset& preset) {
    // A file left by an older generator may hold more actions than this one writes.
    platform::fs::DeleteFile(path);
    bool ok = platform::fs::WritePrivateProfileString(default_files::kActionCountSection,
                                                      default_files::kActionCountKey,
                                                      std::to_string(preset.actions.size()), path);
    for (size_t i = 0; i < preset.actions.size(); ++i) {
        ok = ok && platform::fs::WritePrivateProfileString(
                       default_files::kActionSection, std::to_string(i), preset.actions[i], path);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = platform::fs::WithTrailingSlash(argv[1]);
    if (!platform::fs::CreateFolder(folder)) {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }
    for (const auto& file : default_files::DefaultProfiles()) {
        if (!app::WriteBinaryFile(folder + std::string(file.fileName), file.kindCode,
                                  file.payload)) {
            std::fprintf(stderr, "cannot write %s\n", std::string(file.fileName).c_str());
            return 1;
        }
    }
    for (const auto& preset : default_files::CursorPresets()) {
        if (!WritePreset(folder + preset.fileName, preset)) {
            std::fprintf(stderr, "cannot write %s\n", preset.fileName.c_str());
            return 1;
        }
    }
    return 0;
}
