#include "toolkit/render/image_spec.h"

#include <gtest/gtest.h>

namespace toolkit::render {
namespace {

ImageSpec Spec(std::string file) {
    ImageSpec spec;
    spec.file = std::move(file);
    return spec;
}

TEST(ImageStringTest, ParsesSkinForms) {
    ImageSpec full = Spec("ulmar/btn_1.png");
    full.source = Rect{0, 0, 40, 20};
    full.dest = Rect{2, 2, 38, 18};
    full.corner = Rect{4, 4, 4, 4};
    full.mask = 0xFFFF00FF;
    full.fade = 200;

    ImageSpec flags = Spec("a b.png");
    flags.hole = true;
    flags.xtiled = true;

    const struct {
        const char* text;
        ImageSpec expected;
    } cases[] = {
        {"ulmar/btn_1.png", Spec("ulmar/btn_1.png")},
        {"file='ulmar/btn_1.png' source='0,0,40,20' dest='2,2,38,18' corner='4,4,4,4' "
         "mask='#FFFF00FF' fade='200'",
         full},
        {"file=\"a b.png\"  hole='true' xtiled='true' ytiled='false' unknown='1'", flags},
        {"", Spec("")},
        // Malformed values keep their defaults; the rest of the string still counts.
        {"file='a.png' corner='1,2,3' source='0,0,x,1' mask='zz' fade='300'", Spec("a.png")},
        {"file='a.png' dest=' 1, 2 ,3,4 ,5'", Spec("a.png")},
        // An unterminated value ends parsing.
        {"source='0,0,1,1' file='a.png",
         [] {
             ImageSpec s;
             s.source = Rect{0, 0, 1, 1};
             return s;
         }()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseImageString(c.text), c.expected) << c.text;
    }
}

TEST(ImageStringTest, ParsesColours) {
    const struct {
        const char* text;
        std::optional<Color> expected;
    } cases[] = {
        {"#FF00FF00", 0xFF00FF00}, {"80102030", 0x80102030},    {"#102030", 0xFF102030},
        {"#12345", std::nullopt},  {"#GG000000", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseColor(c.text), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace toolkit::render
