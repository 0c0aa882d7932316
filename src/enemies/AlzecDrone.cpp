#include "enemies/AlzecDrone.h"

#include "enemies/PodFrames.h"
#include "platform/Random.h"

namespace {

constexpr int bodyRight = 0;
constexpr int bodyLeft = 1;
constexpr int flameRight = 2;
constexpr int flameLeft = 3;

}  // namespace

AlzecDrone::AlzecDrone(GameEngine* engine, Camera* camera, int x, int y)
    : PodKind(engine, camera, x, y, "drone.bmp") {
    if (!holdsSheet) return;
    acceleration = 1;
    maxSpeed = 10;
    health = 1;
    bulletOffsetX = droneMuzzle.x;
    bulletOffsetY = droneMuzzle.y;
    facing = 0;
    // Built moving right; its first update sees the turn to the left and reverses the speed.
    velocityX = 2;
    velocityY = 0;
    for (int i = 0; i < droneGrid.count(); ++i) sprites[i] = droneGrid.frame(i);
    platform::setRect(worldRect, x, y, x + droneGrid.drawWidth, y + droneGrid.drawHeight);
    hitBox = droneHitBox;
}

void AlzecDrone::artificialIntelligence() {
    // Two chances in a hundred per update, from the game's one generator.
    fireRequest = platform::rand() % 100 <= 1;
    shootDirection = 0;
}

int AlzecDrone::determineSprite() const {
    return facing == 0 ? bodyLeft : bodyRight;
}

int AlzecDrone::determineThrust() const {
    return facing == 1 ? flameRight : flameLeft;
}
