#pragma once

#include "graphics/BmpHeader.h"
#include "platform/video/Bitmap.h"

namespace bmp {

// Decodes an RLE8 or RLE4 stream onto `out`, which already holds colour 0 wherever the stream
// writes nothing. False for a run or a move that leaves the picture, or a colour past the table.
bool decodeRle(const Layout& layout, platform::Bitmap& out);

}  // namespace bmp
