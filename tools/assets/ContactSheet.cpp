#include <algorithm>
#include <string>

#include "assets/Compose.h"
#include "assets/Draw.h"
#include "assets/Preview.h"
#include "assets/StrokeFont.h"

namespace assets {

namespace {

constexpr double pageWidth = 1660;
constexpr double margin = 16;
constexpr double labelHeight = 22;
const Rgb page = rgb(0x1A2030);
const Rgb cellLine = rgb(0x3A4458);
const Rgb frameLine = rgb(0x55607A);
const Rgb numberColour = rgb(0xF2C230);

// Small pictures are blown up so that they can be seen at all.
double scaleOf(const platform::Bitmap& b) {
    return b.width < 64 ? 4 : 1;
}

struct Placed {
    const Rendered* item;
    double x, y;
};

std::vector<Placed> layOut(const std::vector<Rendered>& all, double& height) {
    std::vector<Placed> placed;
    double x = margin;
    double y = margin;
    double shelf = 0;
    for (const Rendered& r : all) {
        const double s = scaleOf(r.bitmap);
        const double w = r.bitmap.width * s;
        const double h = r.bitmap.height * s + labelHeight;
        if (x + w > pageWidth - margin && x > margin) {
            x = margin;
            y += shelf + margin;
            shelf = 0;
        }
        placed.push_back({&r, x, y});
        x += std::max(w, 140.0) + margin;
        shelf = std::max(shelf, h);
    }
    height = y + shelf + margin;
    return placed;
}

// Cells, frame rectangles, and a cross through each frame the game never draws.
void paintGrid(cairo_t* cr, const Sheet& sheet, double s) {
    const FrameGrid& g = sheet.grid;
    for (int i = 0; i < g.count(); ++i) {
        cairo_rectangle(cr, (i % g.columns) * g.cellWidth * s + 0.5,
                        (i / g.columns) * g.cellHeight * s + 0.5, g.cellWidth * s - 1,
                        g.cellHeight * s - 1);
        if (sheet.shown[static_cast<std::size_t>(i)]) continue;
        const double x = g.left(i) * s;
        const double y = g.top(i) * s;
        const double w = g.frameWidth * s;
        const double h = g.frameHeight * s;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + w, y + h);
        cairo_move_to(cr, x + w, y);
        cairo_line_to(cr, x, y + h);
    }
    outline(cr, cellLine, 1);
    for (int i = 0; i < g.count(); ++i) {
        cairo_rectangle(cr, g.left(i) * s + 0.5, g.top(i) * s + 0.5, g.frameWidth * s - 1,
                        g.frameHeight * s - 1);
    }
    outline(cr, frameLine, 1);
}

void paintNumbers(cairo_t* cr, const FrameGrid& g, double s) {
    if (g.count() < 2) return;
    for (int i = 0; i < g.count(); ++i) {
        cairo_new_path(cr);
        textPath(cr, std::to_string(i), {g.left(i) * s + 3, g.top(i) * s + 3}, 7);
        outline(cr, numberColour, 1.1);
    }
}

}  // namespace

bool writeContactSheet(const std::vector<Rendered>& all, const std::filesystem::path& png) {
    double height = 0;
    const std::vector<Placed> placed = layOut(all, height);
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(pageWidth),
                                           static_cast<int>(height)));
    cairo_t* cr = cairo_create(out.get());
    setColor(cr, page);
    cairo_paint(cr);
    for (const Placed& p : placed) {
        const platform::Bitmap& b = p.item->bitmap;
        const double s = scaleOf(b);
        cairo_new_path(cr);
        textPath(cr, p.item->sheet->fileName, {p.x, p.y + 4}, 9);
        outline(cr, rgb(0xE0F0FF), 1.3);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y + labelHeight);
        paintGrid(cr, *p.item->sheet, s);
        const Surface keyed = keyedSurface(b);
        drawFrame(cr, keyed.get(),
                  {0, 0, static_cast<double>(b.width), static_cast<double>(b.height)},
                  {0, 0, b.width * s, b.height * s});
        paintNumbers(cr, p.item->sheet->grid, s);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return cairo_surface_write_to_png(out.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assets
