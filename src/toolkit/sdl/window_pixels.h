#pragma once

#include <SDL.h>

#include "toolkit/render/geometry.h"
#include "toolkit/render/surface.h"

namespace toolkit::sdl {

// Logical units to pixels: a length rounded, a rectangle grown to whole pixels.
int ToPixels(int logical, double scale);
SDL_Rect ToPixels(const render::Rect& rect, double scale);

// Copies the `pixels` part of `source` (clipped to both) into the window's surface and hands
// it to the display. Returns the part copied; empty when there was none or no window surface.
SDL_Rect CopyToWindow(SDL_Window* window, const render::Surface& source, SDL_Rect pixels);

}  // namespace toolkit::sdl
