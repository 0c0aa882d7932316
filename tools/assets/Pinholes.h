#pragma once

#include "assets/Canvas.h"
#include "platform/video/Bitmap.h"

namespace assets {

// Where jointed parts nearly meet, a fleck of black can be shut in between them, and the colour
// key would let the stars twinkle through the body. Fills every black patch of at most
// `maxPixels` pixels that is cut off from the picture's edge with the colours around it.
void closePinholes(platform::Bitmap& bitmap, int maxPixels);

// The canvas's picture with its pinholes closed: the finish of every solid body.
platform::Bitmap finished(const Canvas& canvas);

}  // namespace assets
