#include "platform/web/CanvasPixels.h"

#include <cstring>

namespace platform {

CanvasPixels::CanvasPixels() {
    for (std::uint32_t p = 0; p < 65536; ++p) {
        const std::uint32_t r = p >> 11;
        const std::uint32_t g = (p >> 5) & 0x3F;
        const std::uint32_t b = p & 0x1F;
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(r << 3 | r >> 2),
                                       static_cast<std::uint8_t>(g << 2 | g >> 4),
                                       static_cast<std::uint8_t>(b << 3 | b >> 2), 0xFF};
        std::memcpy(&words[p], bytes, sizeof bytes);
    }
}

void CanvasPixels::convert(const std::uint16_t* from, std::uint8_t* to, std::size_t count) const {
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(to + i * 4, &words[from[i]], 4);
    }
}

}  // namespace platform
