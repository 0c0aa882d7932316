#include "enemies/VoskFlagship.h"

VoskFlagship::VoskFlagship(GameEngine* engine, Camera* camera, int x, int y)
    : CapitalShip(engine, camera, x, y, "flagship1.bmp",
                  "ERROR: - unable to load Vosk Flagship image",
                  "ERROR: - unable to set Vosk Flagship colorkey") {}
