#pragma once

// The loop behind copyRunsPlain and copyRunsAvx2, for their two files only. It lives in an
// unnamed namespace so that its builds for different instruction sets never merge.

#include <cstddef>
#include <cstdint>

#include "platform/video/RunCopy.h"

namespace platform {

namespace {

// `Moves::copy(to, from, count)` copies one run; source and destination never overlap.
template <typename Moves, bool cut>
inline void copyRunRows(const RunWindow& w) {
    const int right = w.x + w.width;
    for (int r = 0; r < w.height; ++r) {
        std::uint16_t* to = w.out + r * w.outPitch;
        const OpaqueRun* run = w.runs + w.rowStarts[w.y + r];
        const OpaqueRun* last = w.runs + w.rowStarts[w.y + r + 1];
        if constexpr (!cut) {
            for (; run != last; ++run) {
                Moves::copy(to + run->begin, w.pixels + run->packed,
                            static_cast<std::size_t>(run->end - run->begin));
            }
            continue;
        }
        // A sprite's row has a run or two; a row across a whole sheet of frames has many.
        if (last - run > 8) {
            const OpaqueRun* low = run;
            std::ptrdiff_t count = last - run;
            while (count > 0) {
                const std::ptrdiff_t half = count / 2;
                if (low[half].end <= w.x) {
                    low += half + 1;
                    count -= half + 1;
                } else {
                    count = half;
                }
            }
            run = low;
        } else {
            while (run != last && run->end <= w.x) ++run;
        }
        for (; run != last && run->begin < right; ++run) {
            const int begin = run->begin < w.x ? w.x : run->begin;
            const int end = run->end > right ? right : run->end;
            Moves::copy(to + (begin - w.x), w.pixels + run->packed + (begin - run->begin),
                        static_cast<std::size_t>(end - begin));
        }
    }
}

// Blits that show the whole width of the image, as most sprite blits do, need no cutting.
template <typename Moves>
inline void copyRuns(const RunWindow& w) {
    if (w.x == 0 && w.width == w.imageWidth) {
        copyRunRows<Moves, false>(w);
    } else {
        copyRunRows<Moves, true>(w);
    }
}

}  // namespace

}  // namespace platform
