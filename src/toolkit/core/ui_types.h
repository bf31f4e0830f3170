#pragma once

#include "platform/msg/types.h"
#include "toolkit/render/canvas.h"
#include "toolkit/render/geometry.h"

namespace toolkit {

using platform::msg::HWND;
using platform::msg::LPARAM;
using platform::msg::LRESULT;
using platform::msg::UINT;
using platform::msg::WPARAM;
using render::Canvas;
using render::Color;
using render::Point;
using render::Rect;
using render::Size;

}  // namespace toolkit
