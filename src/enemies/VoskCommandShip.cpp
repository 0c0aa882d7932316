#include "enemies/VoskCommandShip.h"

VoskCommandShip::VoskCommandShip(GameEngine* engine, Camera* camera, int x, int y)
    : CapitalShip(engine, camera, x, y, "voskcommandship.bmp", loadFailure, keyFailure) {}
