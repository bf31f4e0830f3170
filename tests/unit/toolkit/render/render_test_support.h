#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "toolkit/render/geometry.h"
#include "toolkit/render/surface.h"

namespace toolkit::render::testing {

// A folder of its own for this test process, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes a PNG of 3 × 3 blocks, `block` pixels each, coloured row by row from `colors`.
void WriteBlocksPng(const std::filesystem::path& path, int block, const Color (&colors)[9]);

// Channel-wise comparison with a tolerance for antialiasing and rounding.
bool NearColor(Color a, Color b, int tolerance = 2);

// Bounding box of the pixels that differ from `background`; empty when none do.
Rect InkBounds(const Surface& surface, Color background);

// Whether fontconfig knows a font covering Chinese.
bool HasChineseFont();

}  // namespace toolkit::render::testing
