#include "toolkit/render/image_cache.h"

#include <cstring>

#include "platform/fs/path.h"
#include "platform/sys/debug_output.h"

namespace toolkit::render {
namespace {

std::shared_ptr<cairo_surface_t> Share(cairo_surface_t* surface) {
    return {surface, CairoSurfaceDeleter{}};
}

// A private ARGB copy with the mask colour cleared; premultiplied pixels of an opaque source
// keep their RGB, so the comparison is exact for the images skins use.
std::shared_ptr<cairo_surface_t> ApplyMask(cairo_surface_t* image, Color mask) {
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    ContextPtr cr(cairo_create(copy));
    cairo_set_source_surface(cr.get(), image, 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    cr.reset();
    cairo_surface_flush(copy);
    unsigned char* data = cairo_image_surface_get_data(copy);
    const int stride = cairo_image_surface_get_stride(copy);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* at = data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4;
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, at, sizeof pixel);
            if (AlphaOf(pixel) == 0xFF && (pixel & 0xFFFFFFu) == (mask & 0xFFFFFFu)) {
                pixel = 0;
                std::memcpy(at, &pixel, sizeof pixel);
            }
        }
    }
    cairo_surface_mark_dirty(copy);
    return Share(copy);
}

}  // namespace

void ImageCache::SetResourceRoot(std::string root) {
    if (!root.empty() && root.back() != '/') {
        root += '/';
    }
    std::lock_guard lock(mutex_);
    if (root != root_) {
        root_ = std::move(root);
        images_.clear();
        reported_missing_.clear();
    }
}

std::string ImageCache::ResourceRoot() const {
    std::lock_guard lock(mutex_);
    return root_;
}

std::string ImageCache::ResolvePath(std::string_view file) const {
    if (!file.empty() && file.front() == '/') {
        return std::string(file);
    }
    return ResourceRoot() + std::string(file);
}

std::shared_ptr<cairo_surface_t> ImageCache::Get(std::string_view file, std::optional<Color> mask) {
    if (file.empty()) {
        return nullptr;
    }
    const std::string path = ResolvePath(file);
    std::lock_guard lock(mutex_);
    if (const auto found = images_.find(Key{path, mask}); found != images_.end()) {
        return found->second;
    }
    // Skins name files in any letter case; one decoded copy per file on disk.
    const std::string resolved = platform::fs::ResolvePath(path);
    std::shared_ptr<cairo_surface_t> image;
    if (const auto found = images_.find(Key{resolved, mask}); found != images_.end()) {
        image = found->second;
    } else {
        image = Load(resolved, mask);
        images_.emplace(Key{resolved, mask}, image);
    }
    images_.emplace(Key{path, mask}, image);
    return image;
}

std::shared_ptr<cairo_surface_t> ImageCache::Load(const std::string& path,
                                                  std::optional<Color> mask) {
    std::shared_ptr<cairo_surface_t> image =
        Share(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) {
        if (reported_missing_.insert(path).second) {
            platform::sys::OutputDebugString(
                "image not loaded, skipped: " + path + ": " +
                cairo_status_to_string(cairo_surface_status(image.get())));
        }
        return nullptr;
    }
    return mask ? ApplyMask(image.get(), *mask) : image;
}

std::optional<Size> ImageCache::ImageSize(std::string_view file) {
    const auto image = Get(file);
    if (!image) {
        return std::nullopt;
    }
    return Size{cairo_image_surface_get_width(image.get()),
                cairo_image_surface_get_height(image.get())};
}

void ImageCache::Clear() {
    std::lock_guard lock(mutex_);
    images_.clear();
    reported_missing_.clear();
}

}  // namespace toolkit::render
