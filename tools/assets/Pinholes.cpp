#include "assets/Pinholes.h"

#include <cstdint>
#include <vector>

namespace assets {

namespace {

struct Spot {
    int x;
    int y;
};

// The black patch holding (x, y), found four-connected; `seen` marks what has been visited.
std::vector<Spot> patchAt(const platform::Bitmap& b, int x, int y, std::vector<char>& seen,
                          bool& touchesEdge) {
    std::vector<Spot> patch;
    std::vector<Spot> todo{{x, y}};
    seen[static_cast<std::size_t>(y * b.width + x)] = 1;
    touchesEdge = false;
    while (!todo.empty()) {
        const Spot s = todo.back();
        todo.pop_back();
        patch.push_back(s);
        touchesEdge =
            touchesEdge || s.x == 0 || s.y == 0 || s.x == b.width - 1 || s.y == b.height - 1;
        for (const Spot n :
             {Spot{s.x + 1, s.y}, Spot{s.x - 1, s.y}, Spot{s.x, s.y + 1}, Spot{s.x, s.y - 1}}) {
            if (n.x < 0 || n.y < 0 || n.x >= b.width || n.y >= b.height) continue;
            char& v = seen[static_cast<std::size_t>(n.y * b.width + n.x)];
            if (v || b.at(n.x, n.y) != 0) continue;
            v = 1;
            todo.push_back(n);
        }
    }
    return patch;
}

std::uint32_t& pixel(platform::Bitmap& b, Spot s) {
    return b.pixels[static_cast<std::size_t>(s.y * b.width + s.x)];
}

// Fills the patch from its rim inwards, each pixel the average of its filled neighbours.
void fill(platform::Bitmap& b, std::vector<Spot> patch) {
    while (!patch.empty()) {
        std::vector<Spot> later;
        std::vector<std::pair<Spot, std::uint32_t>> now;
        for (const Spot s : patch) {
            std::uint32_t sum[3] = {0, 0, 0};
            std::uint32_t count = 0;
            std::uint32_t any = 0;
            for (const Spot n :
                 {Spot{s.x + 1, s.y}, Spot{s.x - 1, s.y}, Spot{s.x, s.y + 1}, Spot{s.x, s.y - 1}}) {
                const std::uint32_t c = pixel(b, n);
                if (c == 0) continue;
                for (int k = 0; k < 3; ++k) sum[k] += (c >> (16 - 8 * k)) & 0xFF;
                ++count;
                any = c;
            }
            if (count == 0) {
                later.push_back(s);
                continue;
            }
            const std::uint32_t average =
                (sum[0] / count) << 16 | (sum[1] / count) << 8 | sum[2] / count;
            now.push_back({s, keyedOut(average) ? any : average});
        }
        for (const auto& [s, c] : now) pixel(b, s) = c;
        patch = later;
    }
}

}  // namespace

void closePinholes(platform::Bitmap& bitmap, int maxPixels) {
    std::vector<char> seen(bitmap.pixels.size(), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (seen[static_cast<std::size_t>(y * bitmap.width + x)] || bitmap.at(x, y) != 0) {
                continue;
            }
            bool touchesEdge = false;
            std::vector<Spot> patch = patchAt(bitmap, x, y, seen, touchesEdge);
            if (!touchesEdge && static_cast<int>(patch.size()) <= maxPixels) fill(bitmap, patch);
        }
    }
}

platform::Bitmap finished(const Canvas& canvas) {
    // Larger gaps are the drawing's own business: the tests look for them.
    constexpr int pinhole = 16;
    platform::Bitmap b = canvas.bitmap();
    closePinholes(b, pinhole);
    return b;
}

}  // namespace assets
