#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Rect.h"
#include "platform/video/Bitmap.h"

// The source pixel the blitter shows at (dx, dy) of a width x height destination that `from` is
// stretched into: nearest neighbour, stepping in 16.16 fixed point and truncating.
inline platform::Point stretchedFrom(const platform::Rect& from, int width, int height, int dx,
                                     int dy) {
    const auto step = [](int source, int destination, int d) {
        return static_cast<int>(d * ((std::int64_t{source} << 16) / destination) >> 16);
    };
    return {from.left + step(from.width(), width, dx), from.top + step(from.height(), height, dy)};
}

// A bitmap file read through the game's decoder; fails the test when the decoder refuses it.
platform::Bitmap decodedFile(const std::filesystem::path& file);

// A bitmap the build put beside the game, decoded once for the whole test program.
const platform::Bitmap& gameSheet(const std::string& file);

// The 5-6-5 pixel the blitter draws at (dx, dy) of a width x height destination that the cell
// `from` of the sheet is stretched into; 0 is the key.
std::uint16_t stretchedPixel(const platform::Bitmap& sheet, const platform::Rect& from, int width,
                             int height, int dx, int dy);
