#pragma once

#include <cstdint>

#include "platform/Rect.h"

namespace platform {

class BlitCache;
class Surface;

// The surface's pixel loops. Rectangles arrive checked: `clipped` lies inside both `full` and
// the destination surface, `sourceRect` inside the source surface.

// Fills `area` with one value.
void fillPixels(Surface& destination, const Rect& area, std::uint16_t value);

// Copies `sourceRect` stretched onto `full`, writing only the part inside `clipped`.
// Destination column dx (counted from full.left) reads source column
// sourceRect.left + ((dx * ((srcW << 16) / dstW)) >> 16); rows likewise. A cut blit shows
// exactly the pixels the uncut one shows there. With `keyed`, source pixels whose value lies
// in [keyLow, keyHigh] leave the destination as it was. `cache` belongs to `source`.
void blitPixels(Surface& destination, const Rect& full, const Rect& clipped, const Surface& source,
                BlitCache& cache, const Rect& sourceRect, bool keyed, std::uint32_t keyLow,
                std::uint32_t keyHigh);

}  // namespace platform
