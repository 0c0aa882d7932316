#pragma once

#include <array>
#include <cstdint>

namespace bmp {

// Widens a field of `bits` bits to 8 by repeating its top bits, as the old drawing interface
// widened its 5-bit fields: x becomes (x << 3) | (x >> 2). Wider fields keep their top 8 bits.
std::uint8_t widen(std::uint32_t value, int bits);

// A colour mask must be a single run of set bits inside the pixel.
bool validMask(std::uint32_t mask, int bitCount);

// The red, green and blue fields of a pixel read as a little-endian number, by their masks.
class Channels {
public:
    explicit Channels(const std::array<std::uint32_t, 3>& masks);
    // The pixel as 0x00RRGGBB.
    std::uint32_t rgb(std::uint32_t pixel) const;

private:
    struct Field {
        std::uint32_t mask = 0;
        int shift = 0;
        int bits = 0;
    };
    std::array<Field, 3> fields;
};

}  // namespace bmp
