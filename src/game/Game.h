#pragma once

#include "engine/GameEngine.h"

// The concrete game. Its battle and navigation modes take over the frame's work; until then a
// frame is the engine's own: input, a cleared screen, the flip and the wait.
class Game : public GameEngine {
public:
    Game(platform::Instance instance, platform::WindowHandle window, int width, int height);
    void gameWork() override;
};
