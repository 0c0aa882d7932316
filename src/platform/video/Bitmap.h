#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A decoded bitmap file before it meets a surface: 8-bit components, 0x00RRGGBB, rows top-down.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

}  // namespace platform
