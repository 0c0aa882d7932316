#include "world/GameObject.h"

GameObject::GameObject(GameEngine* engine, Camera* camera, int x, int y)
    : engine(engine), camera(camera), x(x), y(y) {}

void GameObject::setLocation(int newX, int newY) {
    const int width = worldRect.width();
    const int height = worldRect.height();
    x = newX;
    y = newY;
    platform::setRect(worldRect, x, y, x + width, y + height);
}
