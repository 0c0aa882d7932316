#include <string_view>

#include "assets/Compose.h"
#include "assets/Preview.h"
#include "assets/Random.h"

namespace assets {

namespace {

class Stage {
public:
    Stage(cairo_t* cr, const std::vector<Rendered>& all) : cr(cr) {
        for (const Rendered& r : all) {
            keyed.push_back(keyedSurface(r.bitmap));
            rendered.push_back(&r);
        }
    }

    // Frame `index` of the named sheet drawn into the game's rectangle at (x, y).
    void draw(std::string_view file, int index, double x, double y) {
        for (std::size_t i = 0; i < rendered.size(); ++i) {
            const Sheet& s = *rendered[i]->sheet;
            if (s.fileName != file) continue;
            const FrameGrid& g = s.grid;
            drawFrame(cr, keyed[i].get(),
                      {static_cast<double>(g.left(index)), static_cast<double>(g.top(index)),
                       static_cast<double>(g.frameWidth), static_cast<double>(g.frameHeight)},
                      {x, y, static_cast<double>(g.drawWidth), static_cast<double>(g.drawHeight)});
        }
    }

private:
    cairo_t* cr;
    std::vector<const Rendered*> rendered;
    std::vector<Surface> keyed;
};

void paintStars(cairo_t* cr) {
    Random random(0x5CE7E);
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i < 90; ++i) {
            const int y = static_cast<int>(random.range(0, 600));
            const int x = static_cast<int>(random.range(0, 800));
            cairo_rectangle(cr, x, y, 1, 1);
        }
        const double b = 0.35 + 0.3 * layer;
        cairo_set_source_rgb(cr, b, b, b * 1.1 > 1 ? 1 : b * 1.1);
        cairo_fill(cr);
    }
}

}  // namespace

bool writeScene(const std::vector<Rendered>& all, const std::filesystem::path& png) {
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600));
    cairo_t* cr = cairo_create(out.get());
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    paintStars(cr);
    Stage stage(cr, all);
    // Scenery, then shots, pods, explosions and our craft last, as a battle frame draws them.
    stage.draw("flagship1.bmp", 0, 250, 12);
    stage.draw("voskdestroyer.bmp", 0, -330, 440);
    for (int i = 0; i < 3; ++i) stage.draw("alzbullet.bmp", 0, 250 + i * 72, 292);
    stage.draw("voskbullet.bmp", 0, 455, 336);
    stage.draw("voskbullet.bmp", 0, 395, 336);
    stage.draw("raider.bmp", 11, 480, 120);
    stage.draw("raider.bmp", 9, 480, 120);
    const double drones[][2] = {{560, 250}, {640, 350}, {600, 440}};
    for (const auto& d : drones) {
        stage.draw("drone.bmp", 3, d[0], d[1]);
        stage.draw("drone.bmp", 1, d[0], d[1]);
    }
    stage.draw("explosion2.bmp", 5, 660, 90);
    stage.draw("hx4fighter_extras.bmp", 24, 150, 260);
    stage.draw("hx4fighter_extras.bmp", 18, 150, 260);
    stage.draw("hx4hovermech.bmp", 0, 150, 260);
    cairo_destroy(cr);
    return cairo_surface_write_to_png(out.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assets
