#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/render/geometry.h"

namespace toolkit::render {

// An image string as skins write it:
//   "file='ulmar/btn_1.png' source='0,0,40,20' dest='2,2,38,18' corner='4,4,4,4'
//    mask='#FFFF00FF' fade='200' hole='true' xtiled='true' ytiled='true'"
// or just a file name ("ulmar/btn_1.png").
struct ImageSpec {
    std::string file;            // relative to the resource root; empty draws nothing
    std::optional<Rect> source;  // part of the file to use; the whole file when absent
    std::optional<Rect> dest;    // relative to the target's top-left; the whole target when absent
    Rect corner;                 // nine-patch insets (left, top, right, bottom) in source pixels
    std::optional<Color> mask;   // pixels of this RGB become transparent
    std::uint8_t fade = 255;     // overall opacity
    bool hole = false;           // nine-patch without its centre piece
    bool xtiled = false;         // repeat horizontally instead of stretching
    bool ytiled = false;         // repeat vertically instead of stretching

    friend bool operator==(const ImageSpec&, const ImageSpec&) = default;
};

// Unknown keys are ignored, malformed values keep the default.
ImageSpec ParseImageString(std::string_view text);

// "#FFRRGGBB", "FFRRGGBB" or "#RRGGBB" (then opaque); nullopt when not hexadecimal.
std::optional<Color> ParseColor(std::string_view text);

}  // namespace toolkit::render
