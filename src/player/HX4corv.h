#pragma once

#include <string>

#include "player/Corvane.h"

// The craft the battle flies: the HX4, with its four sprite sheets, flight constants, gun points
// and hit boxes. It starts as a fighter facing right at speed 5.
class HX4corv : public Corvane {
public:
    HX4corv(GameEngine* engine, Camera* camera, int x, int y);
    ~HX4corv() override;

private:
    // Loads one sheet and keys it on black; on failure logs and leaves the field empty.
    bool loadSheet(Image*& sheet, const char* file, const std::string& word);
};
