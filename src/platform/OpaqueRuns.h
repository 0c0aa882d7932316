#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/PixelRows.h"

namespace platform {

// The spans of pixels a keyed blit copies, row by row, so that the blit becomes a few
// memcpy's instead of a test per pixel. Rebuilding keeps the vectors' memory.
class OpaqueRuns {
public:
    // Finds the runs of an image of `width` x `height` pixels, `pitch` pixels apart.
    void build(const std::uint16_t* pixels, std::ptrdiff_t pitch, int width, int height,
               KeyRange key);

    // Copies the opaque pixels of the window at (x, y), `width` x `height`, of the image the
    // runs were built from onto `out`.
    void copy(const std::uint16_t* pixels, std::ptrdiff_t pitch, int x, int y, int width,
              int height, std::uint16_t* out, std::ptrdiff_t outPitch) const;

private:
    struct Run {
        std::int32_t begin;
        std::int32_t end;
    };

    void appendRow(const std::uint16_t* row, int width, KeyRange key);

    std::vector<Run> runs;
    // Row y's runs are runs[rowStarts[y]] up to runs[rowStarts[y + 1]].
    std::vector<std::uint32_t> rowStarts;
};

}  // namespace platform
