#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Rect.h"
#include "platform/video/Surface.h"
#include "support/Sheets.h"

// The surface's pixels row by row, without the padding.
inline std::vector<std::uint16_t> pixelsOf(const platform::Surface& s) {
    std::vector<std::uint16_t> out;
    for (int y = 0; y < s.height(); ++y) {
        out.insert(out.end(), s.row(y), s.row(y) + s.width());
    }
    return out;
}

// Writes value(x, y) into every pixel through a lock, as the game would.
template <typename F>
void paint(platform::Surface& s, F value) {
    platform::SurfaceDesc desc;
    ASSERT_TRUE(s.lock(desc));
    auto* base = static_cast<std::uint16_t*>(desc.surface);
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) base[y * (desc.pitch / 2) + x] = value(x, y);
    }
    ASSERT_TRUE(s.unlock());
}

// The blit as the game defines it, one destination pixel at a time: `before` holds the
// destination's pixels, `clip` (if any) and the surface's edges cut the unclipped blit.
inline std::vector<std::uint16_t> referenceBlit(std::vector<std::uint16_t> before, int width,
                                                int height, const platform::Rect& full,
                                                const platform::Surface& source,
                                                const platform::Rect& from,
                                                const platform::Rect* clip, bool keyed) {
    for (int dy = 0; dy < full.height(); ++dy) {
        const int y = full.top + dy;
        if (y < 0 || y >= height || (clip && (y < clip->top || y >= clip->bottom))) continue;
        for (int dx = 0; dx < full.width(); ++dx) {
            const int x = full.left + dx;
            if (x < 0 || x >= width || (clip && (x < clip->left || x >= clip->right))) continue;
            const platform::Point s = stretchedFrom(from, full.width(), full.height(), dx, dy);
            const std::uint16_t p = source.pixel(s.x, s.y);
            if (keyed && p >= source.colorKeyLow() && p <= source.colorKeyHigh()) continue;
            before[static_cast<std::size_t>(y) * width + x] = p;
        }
    }
    return before;
}
