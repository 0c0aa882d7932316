#pragma once

#include <cairo.h>

#include "platform/video/Bitmap.h"

namespace assets {

// A Cairo drawing surface with an alpha channel, cleared to nothing. The finished picture is
// taken over black, the game's transparent colour.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }

    // The picture over black, its soft edges firmed up for colour keying. A colour so dark that
    // 5-6-5 truncation turns it into the colour key becomes pure black, so the file says
    // exactly what the game will leave out.
    platform::Bitmap bitmap() const;

private:
    int w;
    int h;
    cairo_surface_t* surface;
    cairo_t* context;
};

// True when the game loses the colour to the colour key.
constexpr bool keyedOut(std::uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) < 8 && ((rgb >> 8) & 0xFF) < 4 && (rgb & 0xFF) < 8;
}

}  // namespace assets
