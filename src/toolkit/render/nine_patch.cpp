#include "toolkit/render/nine_patch.h"

#include <algorithm>

namespace toolkit::render {
namespace {

struct Edges {
    std::array<int, 4> source;
    std::array<int, 4> dest;
};

// Edges along one axis: [start, start + near, end - far, end] in source and target.
Edges SplitAxis(int source_start, int source_end, int dest_start, int dest_end, int near, int far) {
    const int source_len = source_end - source_start;
    near = std::clamp(near, 0, source_len);
    far = std::clamp(far, 0, source_len - near);
    const int dest_len = std::max(dest_end - dest_start, 0);
    int dest_near = near;
    int dest_far = far;
    if (near + far > dest_len) {
        dest_near = near * dest_len / (near + far);
        dest_far = dest_len - dest_near;
    }
    return {{source_start, source_start + near, source_end - far, source_end},
            {dest_start, dest_start + dest_near, dest_end - dest_far, dest_end}};
}

}  // namespace

NinePatch SplitNinePatch(const Rect& source, const Rect& dest, const Rect& corner, bool hole) {
    const Edges x =
        SplitAxis(source.left, source.right, dest.left, dest.right, corner.left, corner.right);
    const Edges y =
        SplitAxis(source.top, source.bottom, dest.top, dest.bottom, corner.top, corner.bottom);
    NinePatch patch;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (hole && row == 1 && col == 1) {
                continue;
            }
            const ImagePiece piece{
                {x.source[col], y.source[row], x.source[col + 1], y.source[row + 1]},
                {x.dest[col], y.dest[row], x.dest[col + 1], y.dest[row + 1]}};
            if (!piece.source.IsEmpty() && !piece.dest.IsEmpty()) {
                patch.pieces[static_cast<size_t>(patch.count++)] = piece;
            }
        }
    }
    return patch;
}

}  // namespace toolkit::render
