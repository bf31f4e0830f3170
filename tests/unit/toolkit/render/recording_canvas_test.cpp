#include "toolkit/render/recording_canvas.h"

#include <gtest/gtest.h>

namespace toolkit::render {
namespace {

TEST(RecordingCanvasTest, KeepsParsedImagesTintsAndClips) {
    RecordingCanvas canvas({0, 0, 100, 100});
    canvas.PushClip({10, 10, 200, 50});
    canvas.DrawImage("file='a.png' fade='9'", {1, 2, 3, 4}, ChangerTint::FromPacked(0xFF, 200));
    EXPECT_EQ(canvas.ClipBounds(), (Rect{10, 10, 100, 50}));
    canvas.PopClip();

    ASSERT_EQ(canvas.Calls().size(), 3u);
    const PaintCall& image = canvas.Calls()[1];
    EXPECT_EQ(image.kind, PaintCall::Kind::kDrawImage);
    EXPECT_EQ(image.image.file, "a.png");
    EXPECT_EQ(image.image.fade, 9);
    ASSERT_TRUE(image.tint);
    EXPECT_EQ(image.tint->color, 0xFFFF0000u);  // packed 0x0000FF is pure red
    EXPECT_EQ(image.tint->alpha, 200);
    EXPECT_EQ(Describe(image),
              "DrawImage (1,2,3,4) #00000000 file 'a.png' fade 9 tint #FFFF0000/200");
}

}  // namespace
}  // namespace toolkit::render
