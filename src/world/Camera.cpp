#include "world/Camera.h"

namespace {

// How far the active area reaches beyond the view, and the player area's margin inside it.
constexpr int activeReachX = 800;
constexpr int activeReachY = 600;
constexpr int playerMargin = 50;

bool overlaps(const platform::Rect& a, const platform::Rect& b) {
    platform::Rect common;
    return platform::intersectRect(common, a, b);
}

}  // namespace

Camera::Camera(int x, int y) {
    platform::setRect(view, x, y, x + viewWidth, y + viewHeight);
    placeAreas();
}

void Camera::update(int dx, int dy) {
    velocityX = dx;
    velocityY = dy;
    platform::setRect(view, view.left + dx, view.top + dy, view.right + dx, view.bottom + dy);
    placeAreas();
}

bool Camera::isVisible(const platform::Rect& r) const {
    return overlaps(r, view);
}

bool Camera::inActiveArea(const platform::Rect& r) const {
    return overlaps(r, activeArea);
}

void Camera::placeAreas() {
    platform::setRect(activeArea, view.left - activeReachX, view.top - activeReachY,
                      view.right + activeReachX, view.bottom + activeReachY);
    platform::setRect(playerArea, view.left + playerMargin, view.top + playerMargin,
                      view.right - playerMargin, view.bottom - playerMargin);
}
