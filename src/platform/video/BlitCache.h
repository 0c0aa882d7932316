#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Rect.h"
#include "platform/video/OpaqueRuns.h"
#include "platform/video/PixelRows.h"

namespace platform {

class Surface;

// What a surface keeps as the source of blits: the opaque runs of its pixels under a key, the
// runs of stretched copies of the rectangles it is drawn from, and the last sampling table.
//
// Derived data is built only when the same pixels and key are asked for a second time, so a
// source that changes between blits never pays for it; until then the callers take the direct
// loops. Nothing here allocates once the working set has been seen.
class BlitCache {
public:
    // The runs of the whole surface, or null while they are not worth building.
    const OpaqueRuns* surfaceRuns(const Surface& source, KeyRange key);

    // The runs of `sourceRect` stretched to `width` x `height`, or null while they are not
    // worth building.
    const OpaqueRuns* stretched(const Surface& source, const Rect& sourceRect, int width,
                                int height, KeyRange key);

    // The source column read by each of the `count` destination columns starting `first`
    // columns into a blit of `sourceWidth` columns from `sourceLeft` onto `destinationWidth`.
    // Valid until the next call.
    const std::int32_t* columns(int sourceLeft, int sourceWidth, int destinationWidth, int first,
                                int count);

private:
    // Which pixels and key derived data belongs to.
    struct Stamp {
        std::uint64_t version = ~std::uint64_t{0};  // no surface's, so nothing matches it
        KeyRange key;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    // Records a request for data stamped `now`: true when the previous request was for the same
    // data, which is then worth having; a new stamp marks the data as not built.
    static bool seenBefore(Stamp& seen, bool& built, const Stamp& now);

    struct Entry {
        Rect sourceRect;
        int width = 0;
        int height = 0;
        Stamp stamp;
        bool built = false;
        std::uint64_t lastUse = 0;
        OpaqueRuns runs;
    };
    void build(Entry& entry, const Surface& source);

    // Sprites are drawn at a few sizes; eight entries hold a frame's worth, and big stretches
    // (backgrounds) are not worth the memory.
    static constexpr std::size_t entryCount = 8;
    static constexpr std::int64_t largestCachedPixels = 1 << 17;

    OpaqueRuns runs;
    Stamp runsStamp;
    bool runsBuilt = false;

    std::array<Entry, entryCount> entries;
    std::uint64_t useCounter = 0;

    std::vector<std::uint16_t> sampledRow;
    std::vector<std::int32_t> columnTable;
    std::array<int, 5> columnTableKey{};
};

}  // namespace platform
