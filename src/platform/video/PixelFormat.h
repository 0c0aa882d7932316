#pragma once

#include <cstdint>

namespace platform {

// The two layouts of 16-bit pixels: 5-6-5, the game's own, and 5-5-5.
struct ChannelMasks {
    std::uint32_t red;
    std::uint32_t green;
    std::uint32_t blue;
};
constexpr ChannelMasks masks565{0xF800, 0x07E0, 0x001F};
constexpr ChannelMasks masks555{0x7C00, 0x03E0, 0x001F};

// The layout of a 16-bit surface's pixels.
struct PixelFormat {
    std::uint32_t bitCount = 16;
    std::uint32_t redMask = masks565.red;
    std::uint32_t greenMask = masks565.green;
    std::uint32_t blueMask = masks565.blue;

    bool is565() const { return greenMask == masks565.green; }
    static PixelFormat fromGreenMask(std::uint32_t greenMask);
};

// A colour as the drawing context takes it: red in bits 0-7, green 8-15, blue 16-23.
using ColorRef = std::uint32_t;
constexpr ColorRef colorInvalid = 0xFFFFFFFF;

constexpr ColorRef makeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// 8-bit components to a pixel of the format, by truncation, never rounding.
constexpr std::uint16_t rgbTo565(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return static_cast<std::uint16_t>(((r & 0xFF) >> 3) << 11 | ((g & 0xFF) >> 2) << 5 |
                                      (b & 0xFF) >> 3);
}
constexpr std::uint16_t rgbTo555(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return static_cast<std::uint16_t>(((r & 0xFF) >> 3) << 10 | ((g & 0xFF) >> 3) << 5 |
                                      (b & 0xFF) >> 3);
}
inline std::uint16_t colorToPixel(const PixelFormat& format, ColorRef c) {
    return format.is565() ? rgbTo565(redOf(c), greenOf(c), blueOf(c))
                          : rgbTo555(redOf(c), greenOf(c), blueOf(c));
}

// A pixel back to 8-bit components, widening each field by repeating its top bits.
ColorRef pixelToColor(const PixelFormat& format, std::uint16_t pixel);

}  // namespace platform
