#include "platform/video/BlitCache.h"

#include <algorithm>

#include "platform/video/Surface.h"

namespace platform {

bool BlitCache::seenBefore(Stamp& seen, bool& built, const Stamp& now) {
    if (seen == now) return true;
    seen = now;
    built = false;
    return false;
}

const OpaqueRuns* BlitCache::surfaceRuns(const Surface& source, KeyRange key) {
    if (!seenBefore(runsStamp, runsBuilt, Stamp{source.contentVersion(), key})) return nullptr;
    if (!runsBuilt) {
        runs.clear(source.width());
        for (int y = 0; y < source.height(); ++y) runs.addRow(source.row(y), source.width(), key);
        runsBuilt = true;
    }
    return &runs;
}

const OpaqueRuns* BlitCache::stretched(const Surface& source, const Rect& sourceRect, int width,
                                       int height, KeyRange key) {
    if (static_cast<std::int64_t>(width) * height > largestCachedPixels) return nullptr;
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
        return e.width == width && e.height == height && e.sourceRect == sourceRect;
    });
    if (entry == entries.end()) {
        entry =
            std::min_element(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        entry->sourceRect = sourceRect;
        entry->width = width;
        entry->height = height;
        entry->stamp = Stamp{};
    }
    entry->lastUse = ++useCounter;
    if (!seenBefore(entry->stamp, entry->built, Stamp{source.contentVersion(), key})) {
        return nullptr;
    }
    if (!entry->built) {
        build(*entry, source);
        entry->built = true;
    }
    return &entry->runs;
}

void BlitCache::build(Entry& entry, const Surface& source) {
    const Rect& from = entry.sourceRect;
    const int width = entry.width;
    const std::int32_t* sourceColumns = columns(from.left, from.width(), width, 0, width);
    const std::int64_t yStep = (static_cast<std::int64_t>(from.height()) << 16) / entry.height;
    sampledRow.resize(static_cast<std::size_t>(width));
    entry.runs.clear(width);
    int previous = -1;
    for (int r = 0; r < entry.height; ++r) {
        const int sy = from.top + static_cast<int>((r * yStep) >> 16);
        // Rows drawn twice by an enlargement are sampled once.
        if (sy != previous) {
            gatherRow(sampledRow.data(), source.row(sy), sourceColumns, sampledRow.size());
        }
        entry.runs.addRow(sampledRow.data(), width, entry.stamp.key);
        previous = sy;
    }
}

const std::int32_t* BlitCache::columns(int sourceLeft, int sourceWidth, int destinationWidth,
                                       int first, int count) {
    const std::array<int, 5> key{sourceLeft, sourceWidth, destinationWidth, first, count};
    if (key != columnTableKey) {
        const std::int64_t step = (static_cast<std::int64_t>(sourceWidth) << 16) / destinationWidth;
        columnTable.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            columnTable[static_cast<std::size_t>(i)] =
                sourceLeft + static_cast<std::int32_t>(((first + i) * step) >> 16);
        }
        columnTableKey = key;
    }
    return columnTable.data();
}

}  // namespace platform
