#pragma once

#include <SDL.h>

#include <cstdlib>
#include <memory>

// SDL's own RGB565 surfaces, for the benchmarks that set its blitter beside ours.
struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

inline SdlSurface sdlSurface(int width, int height) {
    SdlSurface s(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, SDL_PIXELFORMAT_RGB565));
    if (!s) std::abort();
    return s;
}
