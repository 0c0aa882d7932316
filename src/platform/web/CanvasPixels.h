#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// 5-6-5 pixels as a canvas takes them: bytes red, green, blue and an opaque alpha, each field
// widened by repeating its top bits as the native backends do.
class CanvasPixels {
public:
    CanvasPixels();
    void convert(const std::uint16_t* from, std::uint8_t* to, std::size_t count) const;

private:
    // One 32-bit word per 5-6-5 value, in memory order R, G, B, A.
    std::uint32_t words[65536];
};

}  // namespace platform
