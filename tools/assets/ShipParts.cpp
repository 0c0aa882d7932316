#include "assets/ShipParts.h"

#include <algorithm>

#include "assets/Draw.h"
#include "assets/Palette.h"

namespace assets::ship {

namespace {

const Rgb seamColour = mix(palette::slate, palette::darkest, 0.35);

}  // namespace

void plate(cairo_t* cr, std::initializer_list<Vec2> outline, double brightness) {
    polygon(cr, outline);
    // Lit from above: a bright rim along the top, then the plating darkening downwards.
    const Rgb rim = mix(palette::gunmetal, palette::hullLight, 0.3 * brightness);
    const Rgb top = mix(palette::gunmetal, palette::hullMid, 0.25 * brightness);
    const Rgb bottom = mix(palette::slate, palette::gunmetal, 0.3 * brightness);
    const auto [y1, y2] = sheetExtent(cr);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y1, 0, y2);
    const double edge = std::min(0.25, 4 / std::max(1.0, y2 - y1));
    cairo_pattern_add_color_stop_rgb(p, 0, rim.r, rim.g, rim.b);
    cairo_pattern_add_color_stop_rgb(p, edge, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    assets::outline(cr, seamColour, 1.2);
}

void stripe(cairo_t* cr, std::initializer_list<Vec2> outline) {
    polygon(cr, outline);
    litFill(cr, palette::raiderHull, palette::raiderDark);
}

void windows(cairo_t* cr, Random& random, double x0, double x1, double y, double spacing) {
    for (double x = x0; x + 3 <= x1; x += spacing) {
        const bool lit = random.next() < 0.75;
        cairo_rectangle(cr, x, y, 3, 2);
        setColor(cr, lit ? palette::windowLit : mix(palette::slate, palette::windowLit, 0.2));
        cairo_fill(cr);
    }
}

void seam(cairo_t* cr, Vec2 from, Vec2 to) {
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    outline(cr, seamColour, 1.0);
}

void ribs(cairo_t* cr, std::initializer_list<Vec2> hull, std::initializer_list<double> xs) {
    cairo_save(cr);
    polygon(cr, hull);
    cairo_clip(cr);
    for (double x : xs) seam(cr, {x, 0}, {x + 12, 400});
    cairo_restore(cr);
}

void engine(cairo_t* cr, Vec2 at, double radius) {
    ovalGlow(cr, at + Vec2{radius * 0.3, 0}, radius * 0.9, radius * 1.5, 0, palette::engineGlow,
             0.9);
    // Wide enough to meet the next engine along: no gaps at the stern.
    polygon(cr, {at + Vec2{-radius * 1.4, -radius}, at + Vec2{0, -radius * 1.2},
                 at + Vec2{0, radius * 1.2}, at + Vec2{-radius * 1.4, radius}});
    litFill(cr, palette::gunmetal, palette::slate, true);
    outline(cr, seamColour, 1.0);
    ellipse(cr, at, radius * 0.3, radius * 0.9);
    setColor(cr, mix(palette::engineGlow, palette::white, 0.5));
    cairo_fill(cr);
}

void turret(cairo_t* cr, Vec2 at, double size, bool under) {
    const double s = under ? 1 : -1;
    for (double dy : {-0.22, 0.22}) {
        polygon(cr, {at + Vec2{0, s * size * (0.45 + dy)},
                     at + Vec2{-size * 2.2, s * size * (0.6 + dy)},
                     at + Vec2{-size * 2.2, s * size * (0.6 + dy) + s * size * 0.16},
                     at + Vec2{0, s * size * (0.45 + dy) + s * size * 0.2}});
        litFill(cr, palette::hullMid, palette::gunmetal, true);
        outline(cr, seamColour, 0.8);
    }
    cairo_new_path(cr);
    cairo_arc(cr, at.x, at.y, size * 0.75, under ? 0 : std::numbers::pi,
              under ? std::numbers::pi : 2 * std::numbers::pi);
    cairo_close_path(cr);
    litFill(cr, mix(palette::gunmetal, palette::hullMid, 0.5), palette::slate, true);
    outline(cr, seamColour, 1.0);
}

}  // namespace assets::ship
