#pragma once

#include "enemies/CapitalShip.h"

// A Vosk troop carrier.
class VoskTroopShip : public CapitalShip<VoskTroopShip> {
public:
    VoskTroopShip(GameEngine* engine, Camera* camera, int x, int y);
};
