#pragma once

#include <ostream>

#include "platform/Rect.h"

// Readable failures for the game's points and rectangles.
namespace platform {

inline void PrintTo(const Point& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace platform
