#pragma once

#include <cstdint>
#include <vector>

// Pixels that look like the game's sprites, for benchmarks: a ship-like silhouette on black
// (the colour key) filling roughly 55 % of its box. The outline is an ellipse whose radius
// wobbles with the angle, so rows start and end at irregular places; two dark portholes cut
// holes into some rows, so those rows hold two or three opaque runs; colours vary across
// the body, and the pixels along the edge are dimmed as if antialiased, but never to black.
// Every blitter under test draws exactly these pixels.
struct SpriteContent {
    int width;
    int height;
    std::vector<std::uint16_t> pixels;  // RGB565, packed rows

    SpriteContent(int width, int height);
    // The share of pixels that are not the key.
    double opaqueShare() const;
};
