#pragma once

#include <unistd.h>

#include <memory>

#include "app/WinMain.h"
#include "app/Window.h"
#include "engine/GameEngine.h"
#include "graphics/GraphicsEngine.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/video/ScreenSize.h"

// An engine whose frames the benchmark draws itself.
class BenchEngine : public GameEngine {
public:
    using GameEngine::clearFrame;
    using GameEngine::GameEngine;
    void gameWork() override {}
    const platform::Surface* backbuffer() const { return graphics->getBackbuffer(); }
};

// The headless machine, the window and the engine as the game makes them, in the folder that
// holds the build's bitmaps; no engine when that folder cannot be entered. What a benchmark adds
// in a derived world goes before the engine does.
struct BenchScreen {
    platform::HeadlessBackend backend;
    std::unique_ptr<Window> window;
    std::unique_ptr<BenchEngine> engine;

    BenchScreen() {
        platform::setBackend(&backend);
        if (chdir(CORVANES_GAME_DIR) != 0) return;
        window = std::make_unique<Window>(platform::Instance{}, "CorvanesEngine", messageHandler,
                                          platform::screenWidth, platform::screenHeight);
        engine = std::make_unique<BenchEngine>(platform::Instance{}, window->getWindowHandle(),
                                               platform::screenWidth, platform::screenHeight);
    }
    ~BenchScreen() {
        engine.reset();
        window.reset();
        platform::setBackend(nullptr);
    }
    BenchScreen(const BenchScreen&) = delete;
    BenchScreen& operator=(const BenchScreen&) = delete;
};
