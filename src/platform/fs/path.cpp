#include "platform/fs/path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>

#include "platform/fs/text.h"

namespace platform::fs {
namespace {

std::string_view WithoutTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::optional<std::string> FindNameIgnoringCase(const std::string& folder, std::string_view name) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir)) {
        std::string_view candidate = entry->d_name;
        if (EqualsIgnoreCase(candidate, name) && (!best || candidate < *best)) {
            best = std::string(candidate);
        }
    }
    closedir(dir);
    return best;
}

}  // namespace

std::string ParentFolder(std::string_view path) {
    path = WithoutTrailingSlashes(path);
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string_view FileName(std::string_view path) {
    path = WithoutTrailingSlashes(path);
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string ResolvePath(std::string_view path) {
    std::string exact(WithoutTrailingSlashes(path));
    std::string_view name = FileName(exact);
    if (exact.empty() || Exists(exact) || name == "." || name == ".." || name == "/") {
        return exact;
    }
    auto match = FindNameIgnoringCase(ParentFolder(exact), name);
    if (!match) {
        return exact;
    }
    exact.replace(exact.size() - name.size(), name.size(), *match);
    return exact;
}

bool SameFile(std::string_view a, std::string_view b) {
    std::string first = ResolvePath(a);
    std::string second = ResolvePath(b);
    struct stat infoA {};
    struct stat infoB {};
    if (stat(first.c_str(), &infoA) == 0 && stat(second.c_str(), &infoB) == 0) {
        return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    }
    return EqualsIgnoreCase(first, second);
}

}  // namespace platform::fs
