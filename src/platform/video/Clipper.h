#pragma once

#include "platform/Rect.h"

namespace platform {

// Confines blits and fills on the surface it is attached to. Holds one rectangle.
class Clipper {
public:
    // Takes the region's rectangles; only single-rectangle regions are supported.
    bool setClipList(const Rect* rects, int count);
    bool hasClipList() const { return hasList; }
    const Rect& clipRect() const { return rect; }

private:
    bool hasList = false;
    Rect rect;
};

}  // namespace platform
