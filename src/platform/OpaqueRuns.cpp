#include "platform/OpaqueRuns.h"

#include <algorithm>
#include <cstring>

namespace platform {

void OpaqueRuns::build(const std::uint16_t* pixels, std::ptrdiff_t pitch, int width, int height,
                       KeyRange key) {
    runs.clear();
    rowStarts.clear();
    for (int y = 0; y < height; ++y) {
        rowStarts.push_back(static_cast<std::uint32_t>(runs.size()));
        appendRow(pixels + y * pitch, width, key);
    }
    rowStarts.push_back(static_cast<std::uint32_t>(runs.size()));
}

void OpaqueRuns::appendRow(const std::uint16_t* row, int width, KeyRange key) {
    int start = -1;
    auto step = [&](bool opaque, int x) {
        if (opaque && start < 0) {
            start = x;
        } else if (!opaque && start >= 0) {
            runs.push_back(Run{start, x});
            start = -1;
        }
    };
    int x = 0;
    // Eight pixels at a time; only blocks where a run starts or ends are looked into.
    for (; x + 8 <= width; x += 8) {
        const unsigned bits = opaqueBits8(row + x, key);
        if (bits == (start < 0 ? 0u : 0xFFu)) continue;
        for (int i = 0; i < 8; ++i) step((bits >> i) & 1u, x + i);
    }
    for (; x < width; ++x) step(!key.transparent(row[x]), x);
    if (start >= 0) runs.push_back(Run{start, width});
}

void OpaqueRuns::copy(const std::uint16_t* pixels, std::ptrdiff_t pitch, int x, int y, int width,
                      int height, std::uint16_t* out, std::ptrdiff_t outPitch) const {
    const int right = x + width;
    for (int r = 0; r < height; ++r) {
        const std::uint16_t* in = pixels + (y + r) * pitch;
        std::uint16_t* to = out + r * outPitch;
        const Run* run = runs.data() + rowStarts[y + r];
        const Run* last = runs.data() + rowStarts[y + r + 1];
        // A sprite's row has a run or two; a row across a whole sheet of frames has many.
        if (last - run > 8) {
            run = std::partition_point(run, last, [x](const Run& s) { return s.end <= x; });
        } else {
            while (run != last && run->end <= x) ++run;
        }
        for (; run != last && run->begin < right; ++run) {
            const int begin = std::max(run->begin, x);
            const int end = std::min(run->end, right);
            std::memcpy(to + (begin - x), in + begin,
                        static_cast<std::size_t>(end - begin) * sizeof(std::uint16_t));
        }
    }
}

}  // namespace platform
