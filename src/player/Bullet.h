#pragma once

#include "platform/Rect.h"
#include "world/GameObject.h"

class Image;

// A shot in flight: it moves in a straight line by its velocity once per update and ages, and
// the battle retires it once it has outlived its lifetime. Bullets come from pools, so they are
// launched and retired through the active flag rather than created and destroyed.
class Bullet : public GameObject {
public:
    Bullet(GameEngine* engine, Camera* camera);

    void update() override;

    void setVelocity(int x, int y) { velocity = {x, y}; }
    int getDamage() const { return damage; }
    bool isActive() const { return active; }
    void setActive(bool isActive) { active = isActive; }
    bool expired() const { return age > lifetime; }
    int getAge() const { return age; }
    // Back to rest. The location stays; the next launch sets it again.
    void reset();

protected:
    // The kinds' rectangle is the size of their sheet.
    void fitTo(const Image& sheet);
    // Draws the whole sheet over the rectangle when it is in view.
    void drawWith(Image* sheet);

    platform::Point velocity;
    int age = 0;
    int damage = 1;
    bool active = false;
    int lifetime = 10;
};
