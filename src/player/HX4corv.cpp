#include "player/HX4corv.h"

#include <string>

#include "engine/GameEngine.h"
#include "player/CorvaneFrames.h"
#include "world/SharedSheet.h"

HX4corv::HX4corv(GameEngine* engine, Camera* camera, int x, int y) : Corvane(engine, camera, x, y) {
    // The first sheet that fails stops the construction: the rest are not loaded and the
    // constants stay unset.
    if (!loadSheet(fighterImage, "hx4fighter_extras.bmp", "fighter")) return;
    if (!loadSheet(standmechImage, "hx4standmech.bmp", "standmech")) return;
    if (!loadSheet(hovermechImage, "hx4hovermech.bmp", "hovermech")) return;
    if (!loadSheet(transImage, "hx4trans.bmp", "transformation")) return;

    fighterAccel = 2;
    fighterMaxSpeed = 12;
    hovermechAccel = 2;
    hovermechMaxSpeed = 12;
    standmechAccel = 2;
    standmechMaxSpeed = 5;
    mode = fighter;
    facing = 1;
    velocityX = 5;
    velocityY = 0;
    health = 1;
    for (int i = 0; i < 7; ++i) bulletLocs[i] = hx4GunPoints[i];
    for (platform::Rect& box : hitBoxes) box = hx4HitBox;
}

HX4corv::~HX4corv() {
    engine->deleteImage(fighterImage);
    engine->deleteImage(standmechImage);
    engine->deleteImage(hovermechImage);
    engine->deleteImage(transImage);
}

bool HX4corv::loadSheet(Image*& sheet, const char* file, const std::string& word) {
    sheet = ::loadSheet(engine, file, "ERROR: - unable to load " + word + " image",
                        "ERROR: - unable to set " + word + " colorkey");
    return sheet != nullptr;
}
