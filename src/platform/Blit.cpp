#include "platform/Blit.h"

#include <algorithm>

#include "platform/Surface.h"

namespace platform {

void fillPixels(Surface& destination, const Rect& area, std::uint16_t value) {
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint16_t* out = destination.row(y);
        std::fill(out + area.left, out + area.right, value);
    }
}

void blitPixels(Surface& destination, const Rect& full, const Rect& clipped, const Surface& source,
                const Rect& sourceRect, bool keyed, std::uint32_t keyLow, std::uint32_t keyHigh) {
    const std::int64_t xStep = (static_cast<std::int64_t>(sourceRect.width()) << 16) / full.width();
    const std::int64_t yStep =
        (static_cast<std::int64_t>(sourceRect.height()) << 16) / full.height();
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const int sy = sourceRect.top + static_cast<int>(((y - full.top) * yStep) >> 16);
        const std::uint16_t* in = source.row(sy);
        std::uint16_t* out = destination.row(y);
        for (int x = clipped.left; x < clipped.right; ++x) {
            const int sx = sourceRect.left + static_cast<int>(((x - full.left) * xStep) >> 16);
            const std::uint16_t p = in[sx];
            if (keyed && p >= keyLow && p <= keyHigh) continue;
            out[x] = p;
        }
    }
}

}  // namespace platform
