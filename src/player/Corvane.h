#pragma once

#include "platform/Rect.h"
#include "world/Character.h"

class Image;
class Pilot;

// The player's craft: three steady modes joined by six transformations, steered and fired
// through its pilot's codes. A transformation starts in update and runs its frames in draw, so
// update always sees the mode the previous frame's draw left.
class Corvane : public Character {
public:
    // The modes, by the numbers the trace shows: the three steady shapes, then the six
    // transformations between them.
    enum Mode : int {
        standmech,
        hovermech,
        fighter,
        fighterToHovermech,
        hovermechToStandmech,
        standmechToHovermech,
        hovermechToFighter,
        fighterToStandmech,
        standmechToFighter
    };

    Corvane(GameEngine* engine, Camera* camera, int x, int y);

    void update() override;
    void draw() override;

    // The pilot stays its owner's.
    void setPilot(Pilot* newPilot) { pilot = newPilot; }
    // True on the frames on which a bullet is due.
    bool weaponFired() const { return fireNow; }
    // Where a new bullet starts, in the world.
    platform::Point getBulletLoc() const;
    int getMode() const { return mode; }

protected:
    // Flight (Corvane.cpp).
    void updateHealthState();
    void updateInput();
    bool commandReceived(int code) const;
    void updatePosition();
    void updateWeapons();
    void setDirectionJoystick();
    void setFacing();
    void setAcceleration();
    void setMode();
    void setDirectionShoot();
    void updateVelocityX();
    void updateVelocityY();

    // Drawing and transformations (CorvaneSprites.cpp).
    int determineSprite();
    int determineThrust() const;
    int determineFire() const;
    void drawSprite(int sprite, int thrust, int fire);

    platform::Rect sprites[30];
    Image* fighterImage = nullptr;
    Image* standmechImage = nullptr;
    Image* hovermechImage = nullptr;
    Image* transImage = nullptr;
    Pilot* pilot = nullptr;
    // A variant sets the steps and limits and the mode; a variant that stops early leaves a
    // fighter that cannot move.
    int fighterAccel = 0;
    int fighterMaxSpeed = 0;
    int hovermechAccel = 0;
    int hovermechMaxSpeed = 0;
    int standmechAccel = 0;
    int standmechMaxSpeed = 0;
    int mode = fighter;
    // This frame's shift on the screen, which does not scroll the view.
    int displacementX = 0;
    int displacementY = 0;
    bool accelerating = false;
    bool fireNow = false;
    // Frames since the last shot, counted up to 2.
    int weaponTimer = 2;
    // Relative to the frame, facing right: standmech up, hovermech up, standmech straight,
    // hovermech straight, standmech down, hovermech down, fighter.
    platform::Point bulletLocs[7] = {};
    // Standmech, hovermech and fighter groups.
    platform::Rect hitBoxes[3] = {};

private:
    // The current steady mode's step, or 0 in a transformation.
    int modeStep() const;
};
