#include "world/BackgroundObject.h"

#include "world/Camera.h"

BackgroundObject::BackgroundObject(GameEngine* engine, Camera* camera, int x, int y)
    : GameObject(engine, camera, x, y) {}

void BackgroundObject::update() {
    // Scenery far from the view waits where it is.
    if (!camera->inActiveArea(worldRect)) return;
    // Moving with part of the camera's motion leaves it drifting across the screen by the rest.
    // The division truncates toward zero, so a camera slower than the depth moves nothing here
    // and the object scrolls at full speed.
    const platform::Point v = camera->getVelocity();
    x += v.x / depth;
    y += v.y / depth;
    platform::setRect(worldRect, x, y, x + width, y + height);
}
