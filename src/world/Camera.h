#pragma once

#include "platform/Rect.h"
#include "platform/video/ScreenSize.h"

// The view onto the world: an 800 x 600 window that follows the player. Around it lies the
// active area, where enemies and scenery are simulated, and inside it the player area, which
// the player's craft must not leave.
class Camera {
public:
    Camera(int x, int y);

    // Moves the view by (dx, dy) and remembers that motion as the camera's velocity.
    void update(int dx, int dy);

    platform::Rect getView() const { return view; }
    platform::Rect getActiveArea() const { return activeArea; }
    platform::Rect getPlayerArea() const { return playerArea; }
    platform::Point getVelocity() const { return {velocityX, velocityY}; }
    // True when r shares at least one pixel with the view, or with the active area.
    bool isVisible(const platform::Rect& r) const;
    bool inActiveArea(const platform::Rect& r) const;

    static constexpr int viewWidth = platform::screenWidth;
    static constexpr int viewHeight = platform::screenHeight;

private:
    // The two areas follow the view; nothing sets them on their own.
    void placeAreas();

    platform::Rect view;
    platform::Rect activeArea;
    platform::Rect playerArea;
    int velocityX = 0;
    int velocityY = 0;
};
