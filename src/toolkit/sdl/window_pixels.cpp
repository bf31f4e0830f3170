#include "toolkit/sdl/window_pixels.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace toolkit::sdl {

int ToPixels(int logical, double scale) {
    return static_cast<int>(std::lround(logical * scale));
}

SDL_Rect ToPixels(const render::Rect& rect, double scale) {
    int left = static_cast<int>(std::floor(rect.left * scale));
    int top = static_cast<int>(std::floor(rect.top * scale));
    int right = static_cast<int>(std::ceil(rect.right * scale));
    int bottom = static_cast<int>(std::ceil(rect.bottom * scale));
    return {left, top, right - left, bottom - top};
}

SDL_Rect CopyToWindow(SDL_Window* window, const render::Surface& source, SDL_Rect pixels) {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    if (screen == nullptr) {
        return {};
    }
    SDL_Rect bounds{0, 0, std::min(screen->w, source.Width()),
                    std::min(screen->h, source.Height())};
    if (!SDL_IntersectRect(&pixels, &bounds, &pixels)) {
        return {};
    }
    cairo_surface_t* raw = source.Raw();
    cairo_surface_flush(raw);
    const int sourcePitch = cairo_image_surface_get_stride(raw);
    const unsigned char* sourcePixels =
        cairo_image_surface_get_data(raw) + pixels.y * sourcePitch + pixels.x * 4;
    if (SDL_MUSTLOCK(screen)) {
        SDL_LockSurface(screen);
    }
    auto* target = static_cast<unsigned char*>(screen->pixels) + pixels.y * screen->pitch +
                   pixels.x * screen->format->BytesPerPixel;
    // Cairo's ARGB32 is native-endian 0xAARRGGBB, which SDL calls ARGB8888.
    SDL_ConvertPixels(pixels.w, pixels.h, SDL_PIXELFORMAT_ARGB8888, sourcePixels, sourcePitch,
                      screen->format->format, target, screen->pitch);
    if (SDL_MUSTLOCK(screen)) {
        SDL_UnlockSurface(screen);
    }
    SDL_UpdateWindowSurfaceRects(window, &pixels, 1);
    return pixels;
}

}  // namespace toolkit::sdl
