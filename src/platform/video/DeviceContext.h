#pragma once

#include <cstdint>
#include <string_view>

#include "platform/video/PixelFormat.h"

namespace platform {

class Surface;
struct Bitmap;

// Pixel, bitmap and text access to one surface, with the colour rules of the old drawing
// interface: colours are 8-bit components, truncated to the surface's format on the way in and
// widened by repeating their top bits on the way out.
class DeviceContext {
public:
    explicit DeviceContext(Surface& surface) : target(surface) {}

    // The colour of a pixel, or colorInvalid outside the surface.
    ColorRef getPixel(int x, int y) const;
    // Writes a pixel; answers the colour actually set, or colorInvalid outside the surface.
    ColorRef setPixel(int x, int y, ColorRef color);

    ColorRef setTextColor(ColorRef color);
    // Text cells either keep what lies under them or are filled with the background colour.
    void setTransparentBackground(bool transparent) { transparentBackground = transparent; }
    // Writes `text` in the built-in font with its top-left corner at (x, y).
    bool textOut(int x, int y, std::string_view text);

    // Copies the part (sx, sy, sw, sh) of `bitmap` onto (x, y, width, height) of the surface,
    // nearest-neighbour when the sizes differ, converting the colours.
    bool stretchBlt(int x, int y, int width, int height, const Bitmap& bitmap, int sx, int sy,
                    int sw, int sh);

private:
    Surface& target;
    ColorRef textColor = 0;
    ColorRef backgroundColor = 0xFFFFFF;
    bool transparentBackground = false;
};

}  // namespace platform
