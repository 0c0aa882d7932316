#pragma once

#include <cairo.h>

#include <initializer_list>

#include "assets/Geometry.h"
#include "assets/Random.h"

// The pieces every capital ship is built from: dark plated hulls, lit windows, blue engines.
namespace assets::ship {

// A hull section lit from above, edged in a darker line.
void plate(cairo_t* cr, std::initializer_list<Vec2> outline, double brightness = 1.0);
// A band of the Vosk's crimson livery.
void stripe(cairo_t* cr, std::initializer_list<Vec2> outline);
// A row of small lit windows from x0 to x1 at height y, a few of them dark.
void windows(cairo_t* cr, Random& random, double x0, double x1, double y, double spacing = 7);
// Panel seams: a line across the hull.
void seam(cairo_t* cr, Vec2 from, Vec2 to);
// Hull ribs: seams across the hull at each x, kept inside its outline.
void ribs(cairo_t* cr, std::initializer_list<Vec2> hull, std::initializer_list<double> xs);
// An engine bell opening to the right at `at`, with its blue glow.
void engine(cairo_t* cr, Vec2 at, double radius);
// A gun turret on top of the hull (or under it when `under`), barrels towards the bow.
void turret(cairo_t* cr, Vec2 at, double size, bool under = false);

}  // namespace assets::ship
