#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace bmp {

enum Compression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitfields = 3 };

// What the headers of a .bmp file say, already checked against the file: all a decoder needs
// to read the pixels without going back to the headers.
struct Layout {
    int width = 0;
    // Always positive; `topDown` tells the row order.
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = rgb;
    // Red, green and blue masks of a 16, 24 or 32-bit pixel read as a little-endian number.
    std::array<std::uint32_t, 3> masks{};
    // The colour table as 0x00RRGGBB; only files of 8 bits per pixel and fewer have one.
    std::vector<std::uint32_t> palette;
    // Exactly the rows of an uncompressed file, or the whole stream of an RLE one.
    std::span<const std::uint8_t> pixels;

    std::size_t stride() const {
        return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
    }
    // The decoded bitmap runs top-down whatever the file's order.
    int outputRow(int fileRow) const { return topDown ? fileRow : height - 1 - fileRow; }
};

// Reads the file and info headers, the masks and the colour table. False for anything we
// refuse to decode, before a single pixel is read.
bool readLayout(std::span<const std::uint8_t> file, Layout& out);

}  // namespace bmp
