#include "player/Bullet.h"

#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "world/Camera.h"

Bullet::Bullet(GameEngine* engine, Camera* camera) : GameObject(engine, camera, 0, 0) {}

void Bullet::update() {
    x += velocity.x;
    y += velocity.y;
    platform::setRect(worldRect, worldRect.left + velocity.x, worldRect.top + velocity.y,
                      worldRect.right + velocity.x, worldRect.bottom + velocity.y);
    ++age;
}

void Bullet::reset() {
    age = 0;
    velocity = {0, 0};
    platform::setRect(worldRect, 0, 0, worldRect.width(), worldRect.height());
}

void Bullet::fitTo(const Image& sheet) {
    platform::setRect(worldRect, 0, 0, sheet.getWidth(), sheet.getHeight());
}

void Bullet::drawWith(Image* sheet) {
    if (!visible || !camera->isVisible(worldRect)) return;
    const platform::Rect view = camera->getView();
    engine->drawImage(sheet, {worldRect.left - view.left, worldRect.top - view.top,
                              worldRect.right - view.left, worldRect.bottom - view.top});
}
