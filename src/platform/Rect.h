#pragma once

#include <cstdint>

namespace platform {

// A rectangle with right and bottom exclusive, as the game's geometry has always used them.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Fills the rectangle from four coordinates.
void setRect(Rect& rect, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom);

// Writes the intersection of a and b into out; an empty intersection gives the empty rectangle
// (0, 0, 0, 0) and false.
bool intersectRect(Rect& out, const Rect& a, const Rect& b);

// True when the point lies inside the rectangle (left and top inclusive, right and bottom
// exclusive).
bool ptInRect(const Rect& rect, Point point);

}  // namespace platform
