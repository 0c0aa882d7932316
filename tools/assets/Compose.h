#pragma once

#include <cairo.h>

#include <memory>

#include "platform/video/Bitmap.h"

// Putting finished bitmaps back on a Cairo page the way the game shows them: black left out,
// frames stretched pixel by pixel.
namespace assets {

struct SurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// The bitmap with every pixel the colour key removes made transparent.
Surface keyedSurface(const platform::Bitmap& bitmap);

struct Box {
    double x, y, width, height;
};
// Draws the `from` part of the surface into `to`, nearest neighbour.
void drawFrame(cairo_t* cr, cairo_surface_t* surface, Box from, Box to);

}  // namespace assets
