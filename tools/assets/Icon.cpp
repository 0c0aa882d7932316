#include "assets/Compose.h"
#include "assets/Preview.h"
#include "assets/Random.h"

namespace assets {

bool writeIcon(const std::vector<Rendered>& all, const std::filesystem::path& png) {
    constexpr int size = 256;
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
    cairo_t* cr = cairo_create(out.get());
    // A patch of night sky with rounded corners, a few stars, and the fighter across it.
    const double r = 40;
    cairo_new_sub_path(cr);
    cairo_arc(cr, size - r, r, r, -1.5708, 0);
    cairo_arc(cr, size - r, size - r, r, 0, 1.5708);
    cairo_arc(cr, r, size - r, r, 1.5708, 3.1416);
    cairo_arc(cr, r, r, r, 3.1416, 4.7124);
    cairo_close_path(cr);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, size);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.07, 0.16);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.01, 0.01, 0.04);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    cairo_clip(cr);
    Random random(0x1C0);
    for (int i = 0; i < 40; ++i) {
        const double x = random.range(0, size);
        const double y = random.range(0, size);
        const double b = random.range(0.4, 1.0);
        cairo_set_source_rgb(cr, b, b, b);
        cairo_rectangle(cr, x, y, i % 7 == 0 ? 2 : 1, i % 7 == 0 ? 2 : 1);
        cairo_fill(cr);
    }
    for (const Rendered& r : all) {
        if (r.sheet->fileName != "hx4fighter_extras.bmp") continue;
        const FrameGrid& g = r.sheet->grid;
        const Surface keyed = keyedSurface(r.bitmap);
        // The flame under the body, as the game draws them; the frame scaled three times.
        for (const int frame : {2, 0}) {
            drawFrame(cr, keyed.get(),
                      {static_cast<double>(g.left(frame)), static_cast<double>(g.top(frame)),
                       static_cast<double>(g.frameWidth), static_cast<double>(g.frameHeight)},
                      {0, 0, 255, 255});
        }
    }
    cairo_destroy(cr);
    return cairo_surface_write_to_png(out.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assets
