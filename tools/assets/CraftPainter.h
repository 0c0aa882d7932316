#pragma once

#include <cairo.h>

#include "assets/CraftModel.h"

// Paints the craft, its engine fire and its muzzle flashes in the frame's own space: screen pixels
// of the 85 x 85 frame.
namespace assets {

void paintCraft(cairo_t* cr, const CraftPose& pose);
// Fire from both nozzles of the pose, turned `vector` from the nozzles' own line (positive
// turns it clockwise); `length` in those pixels.
void paintThrust(cairo_t* cr, const CraftPose& pose, double vector, double length);
// A star-shaped burst just beyond `muzzle`, the gun pointing along `angle`.
void paintMuzzleFlash(cairo_t* cr, Vec2 muzzle, double angle);

}  // namespace assets
