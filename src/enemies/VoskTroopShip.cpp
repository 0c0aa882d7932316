#include "enemies/VoskTroopShip.h"

VoskTroopShip::VoskTroopShip(GameEngine* engine, Camera* camera, int x, int y)
    : CapitalShip(engine, camera, x, y, "vosktroopcarrier.bmp",
                  "ERROR: - unable to load Vosk Troopcarrier image",
                  "ERROR: - unable to set Vosk Troopcarrier colorkey") {}
