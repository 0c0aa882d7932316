#pragma once

#include <cairo.h>

#include <string_view>

#include "assets/Geometry.h"

// Our own line font, so that text on the sheets never depends on the fonts of the machine.
namespace assets {

// Adds the strokes of `text` to the current path, its top-left corner at `at`, its capitals
// `height` pixels tall. Knows A-Z, 0-9 and - . : / and space; lower case is drawn as capitals.
void textPath(cairo_t* cr, std::string_view text, Vec2 at, double height);
// The advance of `text` at that height.
double textWidth(std::string_view text, double height);

}  // namespace assets
