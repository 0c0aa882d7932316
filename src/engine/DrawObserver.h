#pragma once

#include <cstdint>

#include "platform/Rect.h"

namespace platform {
class Surface;
}

// Sees every image and point list the engine draws, as it draws them: for tools that replay a
// frame's drawing elsewhere (the blitter benchmarks) and for tests. The game never sets one.
class DrawObserver {
public:
    virtual ~DrawObserver() = default;
    // `from` of `source` is drawn stretched onto `to` of the back buffer, keyed.
    virtual void imageDrawn(const platform::Surface* source, platform::Rect from,
                            platform::Rect to) = 0;
    // `count` points are set to the packed pixel `value`.
    virtual void pointsDrawn(const platform::Point* points, int count, std::uint16_t value) = 0;
};
