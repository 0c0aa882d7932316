#include "world/Character.h"

Character::Character(GameEngine* engine, Camera* camera, int x, int y)
    : GameObject(engine, camera, x, y) {}

bool Character::detectCollision(platform::Point p) {
    if (!alive) return false;
    platform::Rect hit;
    platform::setRect(hit, x + hitBox.left, y + hitBox.top, x + hitBox.right, y + hitBox.bottom);
    return platform::ptInRect(hit, p);
}
