#include "assets/Compose.h"

#include <cstdint>
#include <cstring>

#include "platform/video/PixelFormat.h"

namespace assets {

Surface keyedSurface(const platform::Bitmap& bitmap) {
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height));
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            const bool key = platform::rgbTo565(p >> 16, p >> 8, p) == 0;
            const std::uint32_t argb = key ? 0 : 0xFF000000u | p;
            std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &argb, 4);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

void drawFrame(cairo_t* cr, cairo_surface_t* surface, Box from, Box to) {
    cairo_save(cr);
    cairo_rectangle(cr, to.x, to.y, to.width, to.height);
    cairo_clip(cr);
    cairo_translate(cr, to.x, to.y);
    cairo_scale(cr, to.width / from.width, to.height / from.height);
    cairo_set_source_surface(cr, surface, -from.x, -from.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace assets
