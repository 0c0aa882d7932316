#include "platform/Rect.h"

#include <algorithm>

namespace platform {

void setRect(Rect& rect, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom) {
    rect = Rect{left, top, right, bottom};
}

bool intersectRect(Rect& out, const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (a.empty() || b.empty() || r.empty()) {
        out = Rect{};
        return false;
    }
    out = r;
    return true;
}

bool ptInRect(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace platform
