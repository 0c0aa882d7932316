#include "enemies/Raider.h"

#include <cstdlib>

#include "enemies/PodFrames.h"

namespace {

// One dash every 85 updates: forwards during 20 to 23, coasting, backwards to rest during
// 80 to 83.
constexpr int dashStart = 20;
constexpr int dashEnd = 23;
constexpr int brakeStart = 80;
constexpr int brakeEnd = 83;
constexpr int cycleEnd = 84;

constexpr int coastingFrame = 0;
constexpr int fullThrustFrame = 4;
constexpr int leftFacingFrames = 5;
constexpr int flameRight = 10;
constexpr int flameLeft = 11;

}  // namespace

Raider::Raider(GameEngine* engine, Camera* camera, int x, int y)
    : PodKind(engine, camera, x, y, "raider.bmp") {
    if (!holdsSheet) return;
    acceleration = 1;
    maxSpeed = 10;
    health = 1;
    bulletOffsetX = raiderMuzzle.x;
    bulletOffsetY = raiderMuzzle.y;
    facing = 0;
    velocityX = 0;
    velocityY = 0;
    thrustState = 0;
    for (int i = 0; i < raiderGrid.count(); ++i) sprites[i] = raiderGrid.frame(i);
    platform::setRect(worldRect, x, y, x + raiderGrid.drawWidth, y + raiderGrid.drawHeight);
    hitBox = raiderHitBox;
}

void Raider::artificialIntelligence() {
    const int t = aiTimer;
    if (t >= dashStart && t <= dashEnd) {
        directionX = facing == 0 ? 2 : 1;
    } else if (t >= brakeStart && t <= brakeEnd) {
        directionX = facing == 0 ? 1 : 2;
    } else {
        directionX = 0;
    }
    directionY = 0;
    aiTimer = t == cycleEnd ? 0 : t + 1;
    fireRequest = false;
    shootDirection = 0;
}

int Raider::determineSprite() {
    int frame = coastingFrame;
    const int speed = std::abs(velocityX);
    const int limit = 3 * acceleration;
    if ((thrustState == 0 || thrustState == 1) && speed > limit) {
        thrustState = 1;
        if (thrustStep >= 1 && thrustStep <= 3) {
            frame = thrustStep++;
        } else if (thrustStep == 4) {
            thrustStep = 3;
            thrustState = 3;
            frame = fullThrustFrame;
        }
    } else if ((thrustState == 2 || thrustState == 3) && speed <= limit) {
        thrustState = 2;
        if (thrustStep >= 1 && thrustStep <= 3) {
            frame = thrustStep--;
        } else if (thrustStep == 0) {
            thrustStep = 1;
            thrustState = 0;
        }
    } else if (thrustState == 3) {
        frame = fullThrustFrame;
    }
    if (facing == 0) frame += leftFacingFrames;
    return frame;
}

int Raider::determineThrust() const {
    if (thrustState != 3) return 0;
    return facing == 1 ? flameRight : flameLeft;
}
