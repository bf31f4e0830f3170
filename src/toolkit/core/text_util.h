#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/render/canvas.h"
#include "toolkit/render/geometry.h"

namespace toolkit {

std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Attribute values: only "true" is true.
bool ParseBool(std::string_view value);
// Decimal integer; 0 for text that is not a number, as the skins and pages expect.
int ParseInt(std::string_view value);
// Colour attribute ("#AARRGGBB", "#RRGGBB"); 0 when malformed.
render::Color ParseColorValue(std::string_view value);
// "left", "center", "right" (anything else is left).
render::HAlign ParseHAlign(std::string_view value);
// "l,t,r,b" (missing parts are 0).
render::Rect ParseRect(std::string_view value);
// "cx,cy".
render::Size ParseSize(std::string_view value);
// Removes the last UTF-8 code point.
void PopCodePoint(std::string& text);
size_t CountCodePoints(std::string_view text);

}  // namespace toolkit
