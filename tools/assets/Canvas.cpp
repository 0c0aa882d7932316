#include "assets/Canvas.h"

#include <cstdint>
#include <cstring>

namespace assets {

namespace {

// Coverage below which an edge pixel is left out, and the least brightness of one that stays.
constexpr double dropBelow = 0.25;
constexpr double keepAtLeast = 0.55;

// Over black, a soft edge fades into near-black pixels, which would outline every sprite in
// dark grey wherever it crosses something brighter than space. So faint edges are dropped and
// the ones kept never go darker than about half their colour.
std::uint32_t overBlack(std::uint32_t argb) {
    const double alpha = (argb >> 24) / 255.0;
    if (alpha < dropBelow) return 0;
    const double scale = alpha < keepAtLeast ? keepAtLeast / alpha : 1.0;
    std::uint32_t rgb = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const double c = ((argb >> shift) & 0xFF) * scale;
        rgb |= static_cast<std::uint32_t>(c > 255 ? 255 : c) << shift;
    }
    return keyedOut(rgb) ? 0 : rgb;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : w(width),
      h(height),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context(cairo_create(surface)) {}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(surface);
}

platform::Bitmap Canvas::bitmap() const {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    platform::Bitmap out;
    out.width = w;
    out.height = h;
    out.pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t argb = 0;
            std::memcpy(&argb, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, 4);
            out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                       static_cast<std::size_t>(x)] = overBlack(argb);
        }
    }
    return out;
}

}  // namespace assets
