#include "platform/instance/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform::instance {

std::optional<std::string> RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = (runtime != nullptr && *runtime != '\0')
                             ? std::string(runtime) + "/kavrin"
                             : "/tmp/kavrin-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return std::nullopt;
    }
    if ((info.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0) {
        return std::nullopt;
    }
    return folder + "/";
}

}  // namespace platform::instance
