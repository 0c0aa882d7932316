#include "platform/video/DeviceContext.h"

#include "platform/video/Bitmap.h"
#include "platform/video/Font.h"
#include "platform/video/Surface.h"

namespace platform {

namespace {

bool inside(const Surface& s, int x, int y) {
    return x >= 0 && y >= 0 && x < s.width() && y < s.height();
}

}  // namespace

ColorRef DeviceContext::getPixel(int x, int y) const {
    if (!inside(target, x, y)) return colorInvalid;
    return pixelToColor(target.format(), target.pixel(x, y));
}

ColorRef DeviceContext::setPixel(int x, int y, ColorRef color) {
    if (!inside(target, x, y)) return colorInvalid;
    const std::uint16_t value = colorToPixel(target.format(), color);
    target.setPixel(x, y, value);
    return pixelToColor(target.format(), value);
}

ColorRef DeviceContext::setTextColor(ColorRef color) {
    const ColorRef previous = textColor;
    textColor = color;
    return previous;
}

bool DeviceContext::textOut(int x, int y, std::string_view text) {
    const std::uint16_t ink = colorToPixel(target.format(), textColor);
    const std::uint16_t paper = colorToPixel(target.format(), backgroundColor);
    int left = x;
    for (char c : text) {
        const std::uint8_t* rows = font::glyph(static_cast<unsigned char>(c));
        for (int gy = 0; gy < font::cellHeight; ++gy) {
            const int py = y + gy;
            if (py < 0 || py >= target.height()) continue;
            std::uint16_t* out = target.row(py);
            for (int gx = 0; gx < font::cellWidth; ++gx) {
                const int px = left + gx;
                if (px < 0 || px >= target.width()) continue;
                if (rows[gy] & (0x80 >> gx)) {
                    out[px] = ink;
                } else if (!transparentBackground) {
                    out[px] = paper;
                }
            }
        }
        left += font::cellWidth;
    }
    target.touch();
    return true;
}

bool DeviceContext::stretchBlt(int x, int y, int width, int height, const Bitmap& bitmap, int sx,
                               int sy, int sw, int sh) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return false;
    if (sx < 0 || sy < 0 || sx + sw > bitmap.width || sy + sh > bitmap.height) return false;
    for (int dy = 0; dy < height; ++dy) {
        const int py = y + dy;
        if (py < 0 || py >= target.height()) continue;
        const int by = sy + static_cast<int>(static_cast<std::int64_t>(dy) * sh / height);
        std::uint16_t* out = target.row(py);
        for (int dx = 0; dx < width; ++dx) {
            const int px = x + dx;
            if (px < 0 || px >= target.width()) continue;
            const int bx = sx + static_cast<int>(static_cast<std::int64_t>(dx) * sw / width);
            const std::uint32_t rgb = bitmap.at(bx, by);
            out[px] =
                colorToPixel(target.format(), makeColorRef(static_cast<int>((rgb >> 16) & 0xFF),
                                                           static_cast<int>((rgb >> 8) & 0xFF),
                                                           static_cast<int>(rgb & 0xFF)));
        }
    }
    target.touch();
    return true;
}

}  // namespace platform
