#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Crafts .bmp files field by field, broken ones included: nothing is checked, every field
// can be given any value, and the defaults make a well-formed file.
struct BmpBuilder {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    // Negative for top-down rows. A 12-byte header stores width and height as 16-bit words.
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::optional<std::uint32_t> fileSize;     // by default the real one
    std::optional<std::uint32_t> imageBytes;   // by default the size of `pixels`
    std::optional<std::uint32_t> coloursUsed;  // by default the size of `palette`
    std::int32_t density = 2835;
    // 0x00RRGGBB; written as triples after a 12-byte header, quads after any other.
    std::vector<std::uint32_t> palette;
    // Red, green, blue, alpha. Inside any header of 52 bytes or more; after a 40-byte header
    // only the first three, and only with bit fields compression.
    std::array<std::uint32_t, 4> masks{};
    // By default the pixels follow the colour table. A larger offset leaves a gap of zeros; a
    // smaller one is written as it is, the pixels still following the table.
    std::optional<std::uint32_t> pixelOffset;
    // The pixel data exactly as stored.
    std::vector<std::uint8_t> pixels;

    std::vector<std::uint8_t> build() const;

    // Packs rows of pixel values, colour indices or whole pixels, given in the order they are
    // stored, each row padded to 4 bytes with a junk byte that decoders must skip.
    static std::vector<std::uint8_t> packRows(int bitCount,
                                              const std::vector<std::vector<std::uint32_t>>& rows);
};
