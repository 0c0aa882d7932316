#include "enemies/Pod.h"

#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "world/Camera.h"

Pod::Pod(GameEngine* engine, Camera* camera, int x, int y) : Character(engine, camera, x, y) {
    alive = true;
}

platform::Point Pod::getBulletLoc() const {
    if (facing == 1) return {x + bulletOffsetX, y + bulletOffsetY};
    return {x + worldRect.width() - bulletOffsetX, y + bulletOffsetY};
}

void Pod::updateVelocity() {
    // A turn only reverses the speed; steering resumes on the next update.
    if (facing != lastFacing) {
        velocityX = -velocityX;
        lastFacing = facing;
        return;
    }
    if (directionX == 2) {
        velocityX -= acceleration;
    } else if (directionX == 1) {
        velocityX += acceleration;
    }
    if (velocityX < -maxSpeed) {
        velocityX = -maxSpeed;
    } else if (velocityX > maxSpeed) {
        velocityX = maxSpeed;
    }
    velocityY = 0;
    if (directionY == 1) {
        velocityY = -acceleration;
    } else if (directionY == 2) {
        velocityY = acceleration;
    }
}

void Pod::updateLocation() {
    x += velocityX;
    y += velocityY;
    platform::setRect(worldRect, worldRect.left + velocityX, worldRect.top + velocityY,
                      worldRect.right + velocityX, worldRect.bottom + velocityY);
}

void Pod::updateWeapons() {
    if (fireRequest && fireTimer >= 2) {
        fireTimer = 0;
        firing = true;
    } else if (fireTimer < 2) {
        firing = false;
        ++fireTimer;
    }
}

void Pod::drawSprite(Image* sheet, const platform::Rect* sprites, int sprite, int thrust) {
    const platform::Rect view = camera->getView();
    // Out of sight the flicker keeps its phase.
    if (!camera->isVisible(worldRect)) return;
    const platform::Rect screen{worldRect.left - view.left, worldRect.top - view.top,
                                worldRect.right - view.left, worldRect.bottom - view.top};
    if (thrust != 0 && flameVisible) {
        sheet->setBounds(sprites[thrust]);
        engine->drawImage(sheet, screen);
    }
    flameVisible = !flameVisible;
    sheet->setBounds(sprites[sprite]);
    engine->drawImage(sheet, screen);
}
