#include "SpriteContent.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint16_t rgb565(double r, double g, double b) {
    auto level = [](double v, int bits) {
        return static_cast<unsigned>(std::clamp(v, 0.0, 1.0) * ((1 << bits) - 1));
    };
    return static_cast<std::uint16_t>(level(r, 5) << 11 | level(g, 6) << 5 | level(b, 5));
}

}  // namespace

SpriteContent::SpriteContent(int w, int h)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {
    const double cx = (w - 1) / 2.0;
    const double cy = (h - 1) / 2.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double u = (x - cx) / (w / 2.0);
            const double v = (y - cy) / (h / 2.0);
            const double radius = 0.82 + 0.1 * std::sin(5 * std::atan2(v, u));
            // How far inside the outline, in pixels, roughly.
            const double inside = (radius - std::hypot(u, v)) * std::min(w, h) / 2.0;
            const bool porthole =
                std::hypot(u - 0.3, v + 0.2) < 0.12 || std::hypot(u + 0.35, v - 0.15) < 0.1;
            if (inside <= 0 || porthole) continue;
            const double edge = std::min(inside, 1.0) * 0.8 + 0.2;
            const std::uint16_t colour = rgb565(edge * (0.5 + 0.5 * u), edge * (0.6 + 0.4 * v),
                                                edge * (0.4 + 0.3 * (u * v + 1)));
            // Dark edge pixels stay off the key.
            pixels[static_cast<std::size_t>(y) * w + x] = colour == 0 ? 0x0821 : colour;
        }
    }
}

double SpriteContent::opaqueShare() const {
    const auto opaque = std::count_if(pixels.begin(), pixels.end(), [](auto p) { return p != 0; });
    return static_cast<double>(opaque) / static_cast<double>(pixels.size());
}
