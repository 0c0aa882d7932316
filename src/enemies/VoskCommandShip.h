#pragma once

#include <string_view>

#include "enemies/CapitalShip.h"

// A Vosk command ship.
class VoskCommandShip : public CapitalShip<VoskCommandShip> {
public:
    VoskCommandShip(GameEngine* engine, Camera* camera, int x, int y);

    // The destroyer reports its own image under these lines too.
    static constexpr std::string_view loadFailure = "ERROR: - unable to load Vosk Command image";
    static constexpr std::string_view keyFailure = "ERROR: - unable to set Vosk Command colorkey";
};
