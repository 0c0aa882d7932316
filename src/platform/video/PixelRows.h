#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// The source colour key narrowed to 16-bit pixels: a pixel is transparent when it lies in
// [low, high].
struct KeyRange {
    std::uint16_t low = 0;
    std::uint16_t high = 0;

    bool transparent(std::uint16_t pixel) const { return pixel >= low && pixel <= high; }
    friend bool operator==(const KeyRange&, const KeyRange&) = default;
};

// Row loops shared by the blitter and its caches.

void fillRow(std::uint16_t* out, std::size_t count, std::uint16_t value);

// Copies the pixels of `in` that are not transparent under `key`; the others leave `out` as
// it was.
void copyKeyedRow(std::uint16_t* out, const std::uint16_t* in, std::size_t count, KeyRange key);

// out[i] = in[columns[i]].
void gatherRow(std::uint16_t* out, const std::uint16_t* in, const std::int32_t* columns,
               std::size_t count);

// One bit per pixel of in[0..8), set for the pixels that are not transparent.
unsigned opaqueBits8(const std::uint16_t* in, KeyRange key);

}  // namespace platform
