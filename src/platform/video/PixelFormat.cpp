#include "platform/video/PixelFormat.h"

namespace platform {

PixelFormat PixelFormat::fromGreenMask(std::uint32_t greenMask) {
    if (greenMask == masks565.green) return PixelFormat{};
    return PixelFormat{16, masks555.red, masks555.green, masks555.blue};
}

ColorRef pixelToColor(const PixelFormat& format, std::uint16_t pixel) {
    std::uint32_t r5;
    std::uint32_t g8;
    std::uint32_t b5 = pixel & 0x1F;
    if (format.is565()) {
        r5 = (pixel >> 11) & 0x1F;
        std::uint32_t g6 = (pixel >> 5) & 0x3F;
        g8 = (g6 << 2) | (g6 >> 4);
    } else {
        r5 = (pixel >> 10) & 0x1F;
        std::uint32_t g5 = (pixel >> 5) & 0x1F;
        g8 = (g5 << 3) | (g5 >> 2);
    }
    std::uint32_t r8 = (r5 << 3) | (r5 >> 2);
    std::uint32_t b8 = (b5 << 3) | (b5 >> 2);
    return makeColorRef(static_cast<int>(r8), static_cast<int>(g8), static_cast<int>(b8));
}

}  // namespace platform
