#include "platform/video/Blit.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/video/BlitCache.h"
#include "platform/video/PixelRows.h"
#include "platform/video/Surface.h"

namespace platform {

namespace {

// Where a blit writes: the clipped rectangle's first pixel and the destination's pitch.
struct Target {
    std::uint16_t* pixels;
    std::ptrdiff_t pitch;
    int width;
    int height;

    std::uint16_t* row(int r) const { return pixels + r * pitch; }
};

void copyRows(const Target& to, const std::uint16_t* in, std::ptrdiff_t pitch) {
    for (int r = 0; r < to.height; ++r) {
        std::memcpy(to.row(r), in + r * pitch,
                    static_cast<std::size_t>(to.width) * sizeof(std::uint16_t));
    }
}

void copyKeyedRows(const Target& to, const std::uint16_t* in, std::ptrdiff_t pitch, KeyRange key) {
    for (int r = 0; r < to.height; ++r) {
        copyKeyedRow(to.row(r), in + r * pitch, static_cast<std::size_t>(to.width), key);
    }
}

// Stretches without a cached image sample each visible row through the column table. `first`
// is the clipped rectangle's offset inside the unclipped one.
struct Sampling {
    const std::int32_t* columns;
    std::int64_t yStep;

    Sampling(BlitCache& cache, const Rect& from, const Rect& full, Point first, int width)
        : columns(cache.columns(from.left, from.width(), full.width(), first.x, width)),
          yStep((static_cast<std::int64_t>(from.height()) << 16) / full.height()) {}
    int sourceRow(const Rect& from, Point first, int r) const {
        return from.top + static_cast<int>(((first.y + r) * yStep) >> 16);
    }
};

void stretchRows(const Target& to, const Surface& source, BlitCache& cache, const Rect& from,
                 const Rect& full, Point first) {
    const Sampling sampling(cache, from, full, first, to.width);
    const auto width = static_cast<std::size_t>(to.width);
    int previous = -1;
    for (int r = 0; r < to.height; ++r) {
        const int sy = sampling.sourceRow(from, first, r);
        std::uint16_t* out = to.row(r);
        // Rows drawn twice by an enlargement repeat the one above.
        if (sy == previous) {
            std::memcpy(out, out - to.pitch, width * sizeof(std::uint16_t));
        } else {
            gatherRow(out, source.row(sy), sampling.columns, width);
        }
        previous = sy;
    }
}

void stretchKeyedRows(const Target& to, const Surface& source, BlitCache& cache, const Rect& from,
                      const Rect& full, Point first, KeyRange key) {
    const Sampling sampling(cache, from, full, first, to.width);
    const auto width = static_cast<std::size_t>(to.width);
    std::array<std::uint16_t, 256> sampled;
    for (int r = 0; r < to.height; ++r) {
        const std::uint16_t* in = source.row(sampling.sourceRow(from, first, r));
        for (std::size_t done = 0; done < width; done += sampled.size()) {
            const std::size_t n = std::min(sampled.size(), width - done);
            gatherRow(sampled.data(), in, sampling.columns + done, n);
            copyKeyedRow(to.row(r) + done, sampled.data(), n, key);
        }
    }
}

}  // namespace

void fillPixels(Surface& destination, const Rect& area, std::uint16_t value) {
    const auto width = static_cast<std::size_t>(area.width());
    std::uint16_t* out = destination.row(area.top) + area.left;
    // Whole rows of an unpadded surface lie end to end: one call fills them all.
    if (area.left == 0 && area.width() == destination.pitch()) {
        fillRow(out, width * static_cast<std::size_t>(area.height()), value);
        return;
    }
    for (int y = area.top; y < area.bottom; ++y, out += destination.pitch()) {
        fillRow(out, width, value);
    }
}

void blitPixels(Surface& destination, const Rect& full, const Rect& clipped, const Surface& source,
                BlitCache& cache, const Rect& sourceRect, bool keyed, std::uint32_t keyLow,
                std::uint32_t keyHigh) {
    // No 16-bit pixel lies in a range that starts above 0xFFFF.
    keyed = keyed && keyLow <= 0xFFFF;
    const KeyRange key{static_cast<std::uint16_t>(keyLow),
                       static_cast<std::uint16_t>(std::min<std::uint32_t>(keyHigh, 0xFFFF))};
    const Target to{destination.row(clipped.top) + clipped.left, destination.pitch(),
                    clipped.width(), clipped.height()};
    const Point first{clipped.left - full.left, clipped.top - full.top};

    if (full.width() == sourceRect.width() && full.height() == sourceRect.height()) {
        const int x = sourceRect.left + first.x;
        const int y = sourceRect.top + first.y;
        const std::uint16_t* in = source.row(y) + x;
        if (!keyed) {
            copyRows(to, in, source.pitch());
        } else if (const OpaqueRuns* runs = cache.surfaceRuns(source, key)) {
            runs->copy(x, y, to.width, to.height, to.pixels, to.pitch);
        } else {
            copyKeyedRows(to, in, source.pitch(), key);
        }
        return;
    }
    if (!keyed) {
        stretchRows(to, source, cache, sourceRect, full, first);
    } else if (const OpaqueRuns* runs =
                   cache.stretched(source, sourceRect, full.width(), full.height(), key)) {
        runs->copy(first.x, first.y, to.width, to.height, to.pixels, to.pitch);
    } else {
        stretchKeyedRows(to, source, cache, sourceRect, full, first, key);
    }
}

}  // namespace platform
