#pragma once

#include "platform/Rect.h"

class Camera;
class GameEngine;

// Everything that lives in the battle world: a place in world coordinates (x to the right, y
// downwards, no edges), the rectangle it covers, and a frame's update and draw.
class GameObject {
public:
    GameObject(GameEngine* engine, Camera* camera, int x, int y);
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    virtual void update() = 0;
    virtual void draw() = 0;
    // The lists of a battle delete their objects through this base, so the concrete class's own
    // clean-up (the shared sprite sheets) must run.
    virtual ~GameObject() = default;

    // Moves the object; its rectangle keeps its size.
    void setLocation(int newX, int newY);
    platform::Point getLocation() const { return {x, y}; }
    platform::Rect getWorldRect() const { return worldRect; }
    void setVisible(bool isVisible) { visible = isVisible; }
    bool isVisible() const { return visible; }
    void setDepth(int newDepth) { depth = newDepth; }

protected:
    GameEngine* engine;
    Camera* camera;
    int x;
    int y;
    platform::Rect worldRect;
    // When false, craft, ships and bullets draw nothing; they still update.
    bool visible = true;
    // The parallax divisor of scenery.
    int depth = 4;
};
