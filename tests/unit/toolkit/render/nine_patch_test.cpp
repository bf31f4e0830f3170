#include "toolkit/render/nine_patch.h"

#include <gtest/gtest.h>

namespace toolkit::render {
namespace {

TEST(NinePatchTest, CornersKeepTheirSizeAndShrinkWhenTheTargetIsSmall) {
    const NinePatch wide = SplitNinePatch({0, 0, 30, 30}, {10, 10, 110, 70}, {4, 5, 6, 7}, false);
    ASSERT_EQ(wide.count, 9);
    EXPECT_EQ(wide.pieces[0], (ImagePiece{{0, 0, 4, 5}, {10, 10, 14, 15}}));
    EXPECT_EQ(wide.pieces[4], (ImagePiece{{4, 5, 24, 23}, {14, 15, 104, 63}}));
    EXPECT_EQ(wide.pieces[8], (ImagePiece{{24, 23, 30, 30}, {104, 63, 110, 70}}));

    // A 10-pixel target for 8 + 12 pixels of corners: 4 + 6, no middle column.
    const NinePatch narrow = SplitNinePatch({0, 0, 30, 30}, {0, 0, 10, 30}, {8, 0, 12, 0}, false);
    ASSERT_EQ(narrow.count, 2);
    EXPECT_EQ(narrow.pieces[0].dest, (Rect{0, 0, 4, 30}));
    EXPECT_EQ(narrow.pieces[1].dest, (Rect{4, 0, 10, 30}));
}

TEST(NinePatchTest, NoCornersIsOnePieceAndHoleDropsTheCentre) {
    EXPECT_EQ(SplitNinePatch({1, 2, 3, 4}, {0, 0, 9, 9}, {}, false).count, 1);
    EXPECT_EQ(SplitNinePatch({0, 0, 9, 9}, {0, 0, 90, 90}, {3, 3, 3, 3}, true).count, 8);
}

}  // namespace
}  // namespace toolkit::render
