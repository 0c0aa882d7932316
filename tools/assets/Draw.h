#pragma once

#include <cairo.h>

#include <initializer_list>
#include <span>

#include "assets/Geometry.h"
#include "assets/Palette.h"

// Small drawing words shared by every sheet.
namespace assets {

void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);

// A closed polygon as the current path.
void polygon(cairo_t* cr, std::span<const Vec2> points);
void polygon(cairo_t* cr, std::initializer_list<Vec2> points);
// A closed, smooth curve through the points (Catmull-Rom) as the current path.
void smoothShape(cairo_t* cr, std::span<const Vec2> points);
void smoothShape(cairo_t* cr, std::initializer_list<Vec2> points);
void ellipse(cairo_t* cr, Vec2 centre, double rx, double ry);

// The current path's top and bottom on the sheet, whatever the part's own transformation.
struct VerticalExtent {
    double top;
    double bottom;
};
VerticalExtent sheetExtent(cairo_t* cr);

// Fills the current path lit from above: `light` at its top edge, `dark` at its bottom edge, on
// the sheet whatever the part's own rotation or mirroring.
void litFill(cairo_t* cr, Rgb light, Rgb dark, bool preserve = false);
// Strokes the current path with round joins.
void outline(cairo_t* cr, Rgb c, double width, bool preserve = false);

// A soft round glow: `c` at the centre fading to nothing at `radius`.
void glow(cairo_t* cr, Vec2 centre, double radius, Rgb c, double alpha = 1.0);
// A soft glow stretched along `angle`: `rx` along it, `ry` across.
void ovalGlow(cairo_t* cr, Vec2 centre, double rx, double ry, double angle, Rgb c,
              double alpha = 1.0);

// One layer of an engine flame pointing left from the nozzle: `length` long, `half` its
// half-width at the nozzle.
struct FlameLayer {
    double length;
    double half;
    Rgb colour;
};
// Fills the layers in order, each a teardrop from the nozzle to its tip. `near` and `far` place
// the two control points along the length; `tipSpread` keeps that much of the half-width at the
// far control point (0 for a sharp tip).
void flame(cairo_t* cr, Vec2 nozzle, std::span<const FlameLayer> layers, double near, double far,
           double tipSpread);

}  // namespace assets
