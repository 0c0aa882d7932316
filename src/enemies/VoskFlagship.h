#pragma once

#include "enemies/CapitalShip.h"

// The Vosk fleet's flagship, the largest of the capital ships.
class VoskFlagship : public CapitalShip<VoskFlagship> {
public:
    VoskFlagship(GameEngine* engine, Camera* camera, int x, int y);
};
