#pragma once

#include "world/GameObject.h"

// The base of the large scenery placed in the world, the capital ships: it follows the camera
// by a fraction of the camera's motion, the fraction set by its depth, but only while it lies
// in the active area.
class BackgroundObject : public GameObject {
public:
    BackgroundObject(GameEngine* engine, Camera* camera, int x, int y);

    void update() override;

protected:
    // The size of the object's image; it stays 0 when the image never came, so the object's
    // rectangle stays empty and it neither moves nor shows.
    int width = 0;
    int height = 0;
};
