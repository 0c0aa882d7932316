#pragma once

#include "platform/Rect.h"
#include "world/Character.h"

class Image;

// The enemy small craft: a character with a horizontal speed that keeps between updates, a
// vertical one that does not, a gun that needs two updates to recover after each shot, and an
// engine flame that flickers on every second drawn frame.
class Pod : public Character {
public:
    Pod(GameEngine* engine, Camera* camera, int x, int y);
    ~Pod() override = default;

    // The muzzle in the world; the offset is measured from the craft's rear edge.
    platform::Point getBulletLoc() const;
    // True during the one update in which the craft released a shot.
    bool isFiring() const { return firing; }

protected:
    void updateVelocity();
    void updateLocation();
    void updateWeapons();
    // The flame (when there is one and it is lit) and then the body over it, both stretched
    // into the craft's rectangle.
    void drawSprite(Image* sheet, const platform::Rect* sprites, int sprite, int thrust);

    int acceleration = 0;
    int maxSpeed = 0;
    bool firing = false;
    int bulletOffsetX = 0;
    int bulletOffsetY = 0;
    // The raider's engine: 0 coasting, 1 ramping up, 2 ramping down, 3 full thrust; the ramp
    // runs through steps 1 to 3, with 4 and 0 as its two ends.
    int thrustState = 0;
    int thrustStep = 1;
    bool flameVisible = false;
    // Updates since the last shot, counted up to 2.
    int fireTimer = 0;
    // Where the raider is in its dash cycle.
    int aiTimer = 0;
};
