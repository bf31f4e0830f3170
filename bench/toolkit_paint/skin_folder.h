#pragma once

#include <filesystem>

namespace toolkit::render {

// A temporary skin folder holding "btn.png" (24 × 24, bordered, for nine-patch drawing) and
// "light.png" (a white key light); removed with the object.
class BenchSkinFolder {
public:
    BenchSkinFolder();
    ~BenchSkinFolder();
    BenchSkinFolder(const BenchSkinFolder&) = delete;
    BenchSkinFolder& operator=(const BenchSkinFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace toolkit::render
