#include "graphics/BmpChannels.h"

#include <bit>

namespace bmp {

std::uint8_t widen(std::uint32_t value, int bits) {
    if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
    std::uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) wide |= wide >> bits;
    return static_cast<std::uint8_t>(wide);
}

bool validMask(std::uint32_t mask, int bitCount) {
    if (mask == 0) return false;
    if (bitCount < 32 && (mask >> bitCount) != 0) return false;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

Channels::Channels(const std::array<std::uint32_t, 3>& masks) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i].mask = masks[i];
        fields[i].shift = std::countr_zero(masks[i]);
        fields[i].bits = std::popcount(masks[i]);
    }
}

std::uint32_t Channels::rgb(std::uint32_t pixel) const {
    std::uint32_t out = 0;
    for (const Field& field : fields) {
        out = out << 8 | widen((pixel & field.mask) >> field.shift, field.bits);
    }
    return out;
}

}  // namespace bmp
