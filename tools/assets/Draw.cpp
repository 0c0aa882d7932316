#include "assets/Draw.h"

namespace assets {

void setColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void polygon(cairo_t* cr, std::span<const Vec2> points) {
    cairo_new_sub_path(cr);
    for (const Vec2& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<Vec2> points) {
    polygon(cr, std::span<const Vec2>(points.begin(), points.size()));
}

void smoothShape(cairo_t* cr, std::span<const Vec2> points) {
    const std::size_t n = points.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 p0 = points[(i + n - 1) % n];
        const Vec2 p1 = points[i];
        const Vec2 p2 = points[(i + 1) % n];
        const Vec2 p3 = points[(i + 2) % n];
        const Vec2 c1 = p1 + (p2 - p0) * (1.0 / 6.0);
        const Vec2 c2 = p2 - (p3 - p1) * (1.0 / 6.0);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
    }
    cairo_close_path(cr);
}

void smoothShape(cairo_t* cr, std::initializer_list<Vec2> points) {
    smoothShape(cr, std::span<const Vec2>(points.begin(), points.size()));
}

void ellipse(cairo_t* cr, Vec2 centre, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
}

VerticalExtent sheetExtent(cairo_t* cr) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    cairo_restore(cr);
    return {y1, y2};
}

void litFill(cairo_t* cr, Rgb light, Rgb dark, bool preserve) {
    const auto [y1, y2] = sheetExtent(cr);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y1, 0, y2 > y1 ? y2 : y1 + 1);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    if (preserve) {
        cairo_fill_preserve(cr);
    } else {
        cairo_fill(cr);
    }
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void outline(cairo_t* cr, Rgb c, double width, bool preserve) {
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (preserve) {
        cairo_stroke_preserve(cr);
    } else {
        cairo_stroke(cr);
    }
}

void glow(cairo_t* cr, Vec2 centre, double radius, Rgb c, double alpha) {
    ovalGlow(cr, centre, radius, radius, 0, c, alpha);
}

void ovalGlow(cairo_t* cr, Vec2 centre, double rx, double ry, double angle, Rgb c, double alpha) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, alpha * 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void flame(cairo_t* cr, Vec2 nozzle, std::span<const FlameLayer> layers, double near, double far,
           double tipSpread) {
    for (const FlameLayer& l : layers) {
        cairo_new_path(cr);
        cairo_move_to(cr, nozzle.x + 2, nozzle.y - l.half);
        cairo_curve_to(cr, nozzle.x - l.length * near, nozzle.y - l.half, nozzle.x - l.length * far,
                       nozzle.y - l.half * tipSpread, nozzle.x - l.length, nozzle.y);
        cairo_curve_to(cr, nozzle.x - l.length * far, nozzle.y + l.half * tipSpread,
                       nozzle.x - l.length * near, nozzle.y + l.half, nozzle.x + 2,
                       nozzle.y + l.half);
        cairo_close_path(cr);
        setColor(cr, l.colour);
        cairo_fill(cr);
    }
}

}  // namespace assets
