#pragma once

#include "platform/Rect.h"

namespace platform {

// Where the picture goes in an area of the screen: as large as it fits with its shape kept,
// centred, the rest left as bars (as the SDL backend's logical size does it). Empty for an empty
// area.
inline Rect letterbox(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    if (areaWidth <= 0 || areaHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
    // The smaller of the two scales, compared without rounding.
    const bool widthDecides = static_cast<long long>(areaWidth) * pictureHeight <=
                              static_cast<long long>(areaHeight) * pictureWidth;
    const int width =
        widthDecides
            ? areaWidth
            : static_cast<int>(static_cast<long long>(pictureWidth) * areaHeight / pictureHeight);
    const int height =
        widthDecides
            ? static_cast<int>(static_cast<long long>(pictureHeight) * areaWidth / pictureWidth)
            : areaHeight;
    const int left = (areaWidth - width) / 2;
    const int top = (areaHeight - height) / 2;
    return Rect{left, top, left + width, top + height};
}

}  // namespace platform
