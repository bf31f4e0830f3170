#include "app/data_folders.h"

#include "platform/fs/file_ops.h"
#include "platform/fs/known_folders.h"

namespace app {
namespace {

// Creation failures are not reported: the file operations that follow fail instead.
std::string EnsureFolder(std::string path) {
    platform::fs::CreateFolder(path);
    return path;
}

std::string KindFolder(const char* name) {
    return EnsureFolder(GetDataFolder() + name + "/");
}

}  // namespace

std::string GetDataFolder() {
    return EnsureFolder(platform::fs::DocumentsFolder() + "WN306/");
}

std::string GetMouseFolder() {
    return KindFolder("ms");
}
std::string GetPadFolder() {
    return KindFolder("mp");
}
std::string GetKeyboardFolder() {
    return KindFolder("kb");
}

}  // namespace app
