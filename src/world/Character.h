#pragma once

#include "world/GameObject.h"

// The flying actors: they steer, fire, take damage and can be hit. Small enumerations are plain
// integers: facing 1 right, 0 left; steering 0 none, 1 right or up, 2 left or down; shooting
// 0 straight ahead, 1 up, 2 down.
class Character : public GameObject {
public:
    Character(GameEngine* engine, Camera* camera, int x, int y);

    // True when the character is alive and the point lies in its hit box (left and top edges
    // inside, right and bottom edges outside).
    virtual bool detectCollision(platform::Point p);

    bool dead() const { return health <= 0; }
    void takeDamage(int amount) { health -= amount; }
    int getHealth() const { return health; }
    platform::Point getVelocity() const { return {velocityX, velocityY}; }
    int getFacing() const { return facing; }
    int getShootDirection() const { return shootDirection; }
    bool getFireRequest() const { return fireRequest; }
    bool isAlive() const { return alive; }
    void setAlive(bool isAlive) { alive = isAlive; }

protected:
    int facing = 1;
    // The facing the last velocity update saw; a difference means the character turned.
    int lastFacing = 1;
    int directionX = 0;
    int directionY = 0;
    int shootDirection = 0;
    bool fireRequest = false;
    int velocityX = 0;
    int velocityY = 0;
    // Relative to (x, y).
    platform::Rect hitBox;
    int health = 1;
    // Only a live character is updated, drawn and hit; each concrete class brings it to life.
    bool alive = false;
};
