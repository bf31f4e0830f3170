#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/render/cairo_support.h"
#include "toolkit/render/geometry.h"

namespace toolkit::render {

// Decoded skin images, loaded once per resolved path (and mask colour) and shared by every paint.
class ImageCache {
public:
    // Folder that relative image file names are resolved against (a trailing "/" is optional).
    void SetResourceRoot(std::string root);
    std::string ResourceRoot() const;
    std::string ResolvePath(std::string_view file) const;

    // Null when the file is missing or not a PNG; each such path is reported once. The last
    // path component matches without regard to letter case.
    // Pixels whose RGB equals `mask`'s are made fully transparent.
    std::shared_ptr<cairo_surface_t> Get(std::string_view file, std::optional<Color> mask = {});
    std::optional<Size> ImageSize(std::string_view file);
    void Clear();

private:
    using Key = std::pair<std::string, std::optional<Color>>;

    // Caller holds mutex_.
    std::shared_ptr<cairo_surface_t> Load(const std::string& path, std::optional<Color> mask);

    mutable std::mutex mutex_;
    std::string root_;
    std::map<Key, std::shared_ptr<cairo_surface_t>> images_;
    std::set<std::string> reported_missing_;
};

}  // namespace toolkit::render
