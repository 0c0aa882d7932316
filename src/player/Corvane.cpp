#include "player/Corvane.h"

#include "engine/ControlCodes.h"
#include "engine/GameEngine.h"
#include "log/Log.h"
#include "player/CorvaneFrames.h"
#include "player/Pilot.h"
#include "world/Camera.h"

namespace {

// The fighter never flies slower than this.
constexpr int fighterMinimumSpeed = 5;

// The hit box group of each mode and transformation.
constexpr int hitBoxGroup[9] = {Corvane::standmech, Corvane::hovermech, Corvane::fighter,
                                Corvane::hovermech, Corvane::standmech, Corvane::standmech,
                                Corvane::hovermech, Corvane::fighter,   Corvane::fighter};

}  // namespace

Corvane::Corvane(GameEngine* engine, Camera* camera, int x, int y)
    : Character(engine, camera, x, y) {
    for (int i = 0; i < corvaneGrid.count(); ++i) sprites[i] = corvaneGrid.frame(i);
    alive = true;
    platform::setRect(worldRect, x, y, x + corvaneSize, y + corvaneSize);
}

void Corvane::update() {
    if (!alive) return;
    if (pilot == nullptr) {
        logLine("ERROR: no pilot selected");
        return;
    }
    updateHealthState();
    updateInput();
    updatePosition();
    updateWeapons();
}

// Damage and death are the battle's business.
void Corvane::updateHealthState() {}

void Corvane::updateInput() {
    setMode();
    setDirectionJoystick();
    setFacing();
    setAcceleration();
    setDirectionShoot();
}

bool Corvane::commandReceived(int code) const {
    // Keys: negative codes and 256 to 999 lie outside the snapshot and name no key, which the
    // engine answers as not down.
    if (code < controlcode::mouseButtons) return engine->getKeyState(code);
    if (code < controlcode::joystickButtons) return false;
    return engine->getJoystickButtonState(code);
}

void Corvane::setMode() {
    // Shared by every craft and kept for the whole run (docs/QUIRKS.md).
    static bool modeUpHeld = false;
    static bool modeDownHeld = false;
    if (mode >= fighterToHovermech && mode <= hovermechToFighter) return;
    if (commandReceived(pilot->getInputModeUp())) {
        if (!modeUpHeld) {
            if (mode == hovermech) {
                mode = hovermechToStandmech;
            } else if (mode == fighter) {
                mode = fighterToHovermech;
            } else if (mode == standmech) {
                mode = standmechToFighter;
            }
            modeUpHeld = true;
        }
    } else if (commandReceived(pilot->getInputModeDown())) {
        if (!modeDownHeld) {
            if (mode == standmech) {
                mode = standmechToHovermech;
            } else if (mode == fighter) {
                mode = fighterToStandmech;
            } else if (mode == hovermech) {
                mode = hovermechToFighter;
            }
            modeDownHeld = true;
        }
    } else {
        modeUpHeld = false;
        modeDownHeld = false;
    }
}

void Corvane::setDirectionJoystick() {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    if (pilot->usingJoystick()) {
        left = engine->getJoystickLeft();
        right = engine->getJoystickRight();
        up = engine->getJoystickUp();
        down = engine->getJoystickDown();
    } else {
        left = commandReceived(pilot->getKeyboardLeft());
        right = commandReceived(pilot->getKeyboardRight());
        up = commandReceived(pilot->getKeyboardUp());
        down = commandReceived(pilot->getKeyboardDown());
    }
    directionX = left ? 2 : right ? 1 : 0;
    directionY = up ? 1 : down ? 2 : 0;
}

void Corvane::setFacing() {
    // One press turns the craft once, however long it is held; shared like the mode latches.
    static bool facingHeld = false;
    if (!commandReceived(pilot->getInputFacing())) {
        facingHeld = false;
        return;
    }
    if (facingHeld) return;
    facing = facing == 1 ? 0 : 1;
    facingHeld = true;
}

void Corvane::setAcceleration() {
    accelerating = commandReceived(pilot->getInputAcceleration());
}

void Corvane::setDirectionShoot() {
    fireRequest = false;
    shootDirection = 0;
    if (commandReceived(pilot->getInputShootUp())) {
        shootDirection = 1;
        fireRequest = true;
    } else if (commandReceived(pilot->getInputShootDown())) {
        shootDirection = 2;
        fireRequest = true;
    } else if (commandReceived(pilot->getInputShootStr())) {
        fireRequest = true;
    }
    // The fighter fires straight ahead only.
    if (mode == fighter) shootDirection = 0;
}

int Corvane::modeStep() const {
    switch (mode) {
        case standmech:
            return standmechAccel;
        case hovermech:
            return hovermechAccel;
        case fighter:
            return fighterAccel;
        default:
            return 0;
    }
}

void Corvane::updateVelocityX() {
    displacementX = 0;
    // The frame of a turn only reverses the motion.
    if (facing != lastFacing) {
        velocityX = -velocityX;
        lastFacing = facing;
        return;
    }
    const int step = modeStep();  // none while transforming
    // Thrust changes the speed; without it the keys only shift the craft on the screen.
    if (directionX == 2) {
        if (accelerating) {
            velocityX -= step;
        } else {
            displacementX -= step;
        }
    } else if (directionX == 1) {
        if (accelerating) {
            velocityX += step;
        } else {
            displacementX += step;
        }
    }

    const bool right = facing == 1;
    const bool left = facing == 0;
    switch (mode) {
        case standmech:
            if (velocityX < -standmechMaxSpeed) {
                velocityX = -standmechMaxSpeed;
            } else if (velocityX > standmechMaxSpeed) {
                velocityX = standmechMaxSpeed;
            }
            break;
        case hovermech:
            // The hovermech flies forwards or hangs still, never backwards.
            if (right && velocityX < 0) {
                velocityX = 0;
            } else if (left && velocityX < -hovermechMaxSpeed) {
                velocityX = -hovermechMaxSpeed;
            }
            if (left && velocityX > 0) {
                velocityX = 0;
            } else if (right && velocityX > hovermechMaxSpeed) {
                velocityX = hovermechMaxSpeed;
            }
            break;
        case fighter:
            if (right && velocityX < fighterMinimumSpeed) {
                velocityX = fighterMinimumSpeed;
            } else if (left && velocityX < -fighterMaxSpeed) {
                velocityX = -fighterMaxSpeed;
            }
            if (left && velocityX > -fighterMinimumSpeed) {
                velocityX = -fighterMinimumSpeed;
            } else if (right && velocityX > fighterMaxSpeed) {
                velocityX = fighterMaxSpeed;
            }
            break;
        default:
            break;
    }
}

void Corvane::updateVelocityY() {
    // No vertical momentum: up and down move the craft on the screen, and scroll the view only
    // at the edges of the player area.
    velocityY = 0;
    displacementY = 0;
    if (mode > fighter) return;
    const int step = modeStep();
    if (directionY == 1) {
        if (worldRect.top - camera->getPlayerArea().top <= step) {
            velocityY -= step;
        } else {
            displacementY -= step;
        }
    } else if (directionY == 2) {
        if (camera->getPlayerArea().bottom - worldRect.bottom <= step) {
            velocityY += step;
        } else {
            displacementY += step;
        }
    }
}

void Corvane::updatePosition() {
    updateVelocityX();
    updateVelocityY();
    const int dx = velocityX + displacementX;
    const int dy = velocityY + displacementY;
    x += dx;
    y += dy;
    platform::setRect(worldRect, worldRect.left + dx, worldRect.top + dy, worldRect.right + dx,
                      worldRect.bottom + dy);
    hitBox = hitBoxes[hitBoxGroup[mode]];

    // Kept inside the player area sideways only; the velocity stays as it is.
    const platform::Rect leftArea = camera->getPlayerArea();
    if (worldRect.left < leftArea.left) {
        platform::setRect(worldRect, leftArea.left, worldRect.top, leftArea.left + corvaneSize,
                          worldRect.bottom);
        x = worldRect.left;
    }
    const platform::Rect rightArea = camera->getPlayerArea();
    if (worldRect.right > rightArea.right) {
        platform::setRect(worldRect, rightArea.right - corvaneSize, worldRect.top, rightArea.right,
                          worldRect.bottom);
        x = worldRect.left;
    }
}

void Corvane::updateWeapons() {
    // While a shot is held: the first frame, then every third.
    if (fireRequest && weaponTimer >= 2) {
        weaponTimer = 0;
        fireNow = true;
    } else if (weaponTimer < 2) {
        fireNow = false;
        ++weaponTimer;
    }
}

platform::Point Corvane::getBulletLoc() const {
    // By shooting row: up, straight, down; the standmech's entries come before the hovermech's.
    int gun = 6;
    if (mode == standmech || mode == hovermech) {
        const int row = shootDirection == 1 ? 0 : shootDirection == 2 ? 2 : 1;
        gun = row * 2 + mode;
    }
    const platform::Point g = bulletLocs[gun];
    if (facing == 1) return {x + g.x, y + g.y};
    return {x + corvaneSize - g.x, y + g.y};
}
