#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

#include <optional>

namespace toolkit::sdl {

struct X11Handles {
    Display* display = nullptr;
    ::Window window = 0;
};

// The X11 connection and window behind an SDL window; empty on other video drivers.
X11Handles X11Of(SDL_Window* window);

// The pointer in screen pixels, asked of the X server (SDL's global mouse state can lag
// behind synthetic input); nullopt when the display is not X11.
std::optional<SDL_Point> QueryX11Pointer(SDL_Window* anyWindow);

// Whether a window manager runs (one that follows the EWMH announces itself on the root
// window). False on other video drivers.
bool HasWindowManager(SDL_Window* anyWindow);

// Maps the window without giving it the keyboard focus (SDL_ShowWindow focuses a window itself
// when no window manager runs). False on other video drivers: the caller shows it through SDL.
bool MapWithoutFocus(SDL_Window* window);

}  // namespace toolkit::sdl
