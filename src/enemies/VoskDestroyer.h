#pragma once

#include "enemies/CapitalShip.h"

// A Vosk destroyer; the battle has two. It has an image and a count of its own, but reports a
// failed image in the command ship's words.
class VoskDestroyer : public CapitalShip<VoskDestroyer> {
public:
    VoskDestroyer(GameEngine* engine, Camera* camera, int x, int y);
};
