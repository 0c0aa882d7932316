#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/video/PixelRows.h"
#include "platform/video/RunCopy.h"

namespace platform {

// The spans of pixels a keyed blit copies, row by row, with their pixels packed one after the
// other as an RLE encoder would store them: the blit becomes a few block copies from one
// compact stream instead of a test per pixel. Rebuilding keeps the vectors' memory.
class OpaqueRuns {
public:
    // Starts over with an image `width` pixels wide.
    void clear(int width);
    // Appends the next row of the image.
    void addRow(const std::uint16_t* row, int width, KeyRange key);

    // Copies the opaque pixels of the window at (x, y), `width` x `height`, onto `out`.
    void copy(int x, int y, int width, int height, std::uint16_t* out,
              std::ptrdiff_t outPitch) const;

private:
    int imageWidth = 0;
    std::vector<OpaqueRun> runs;
    // Row y's runs are runs[rowStarts[y]] up to runs[rowStarts[y + 1]].
    std::vector<std::uint32_t> rowStarts{0};
    std::vector<std::uint16_t> opaque;
};

}  // namespace platform
