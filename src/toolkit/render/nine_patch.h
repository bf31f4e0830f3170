#pragma once

#include <array>

#include "toolkit/render/geometry.h"

namespace toolkit::render {

struct ImagePiece {
    Rect source;  // image pixels
    Rect dest;    // target pixels
    friend constexpr bool operator==(const ImagePiece&, const ImagePiece&) = default;
};

struct NinePatch {
    std::array<ImagePiece, 9> pieces{};
    int count = 0;
};

// Splits `source` into up to nine pieces by the corner insets so that the corners keep their
// size in `dest` and only the edges and centre stretch; empty pieces are left out. Corners
// larger than the target shrink proportionally. `hole` leaves out the centre.
NinePatch SplitNinePatch(const Rect& source, const Rect& dest, const Rect& corner, bool hole);

}  // namespace toolkit::render
