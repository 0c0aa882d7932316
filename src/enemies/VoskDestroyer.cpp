#include "enemies/VoskDestroyer.h"

#include "enemies/VoskCommandShip.h"

VoskDestroyer::VoskDestroyer(GameEngine* engine, Camera* camera, int x, int y)
    : CapitalShip(engine, camera, x, y, "voskdestroyer.bmp", VoskCommandShip::loadFailure,
                  VoskCommandShip::keyFailure) {}
