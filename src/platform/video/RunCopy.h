#pragma once

// The inner loop of keyed blits. It is built twice: with plain (SSE2) moves and, in a file of
// its own compiled for AVX2, with AVX2 moves; the caller picks one by what the processor has. This
// header is meant for those two files only: the loop lives in an unnamed namespace so that
// the two builds of it never merge.

#include <cstddef>
#include <cstdint>

namespace platform {

// A span [begin, end) of opaque pixels in one row, and where its pixels start in the packed
// pixel stream.
struct OpaqueRun {
    std::int32_t begin;
    std::int32_t end;
    std::uint32_t packed;
};

// One keyed blit: the window at (x, y), `width` x `height`, of an image of `imageWidth`
// columns, copied onto `out`.
struct RunWindow {
    const OpaqueRun* runs;
    const std::uint32_t* rowStarts;  // row r's runs are runs[rowStarts[r]] .. runs[rowStarts[r+1]]
    const std::uint16_t* pixels;
    int imageWidth;
    int x;
    int y;
    int width;
    int height;
    std::uint16_t* out;
    std::ptrdiff_t outPitch;
};

void copyRunsPlain(const RunWindow& window);
void copyRunsAvx2(const RunWindow& window);

}  // namespace platform
