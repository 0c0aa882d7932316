#pragma once

#include <functional>
#include <memory>

#include "app/WinMain.h"
#include "app/Window.h"
#include "engine/GameEngine.h"
#include "support/HeadlessTest.h"

// An engine whose frame work is whatever the test says, on a window of its own.
class ScriptedEngine : public GameEngine {
public:
    using GameEngine::GameEngine;
    void gameWork() override {
        if (work) work(*this);
    }
    using GameEngine::clearFrame;
    using GameEngine::readInput;
    using GameEngine::showFrame;
    GraphicsEngine* graphicsService() const { return graphics.get(); }
    int mouseLocationX() const { return mouseX; }
    int mouseLocationY() const { return mouseY; }

    std::function<void(ScriptedEngine&)> work;
};

class EngineTest : public HeadlessTest {
protected:
    void TearDown() override {
        engine.reset();
        window.reset();
        HeadlessTest::TearDown();
    }

    // The window and the engine as the program makes them, at the given size.
    ScriptedEngine& start(int width = 800, int height = 600) {
        window = std::make_unique<Window>(platform::Instance{}, "CorvanesEngine", messageHandler,
                                          800, 600);
        engine = std::make_unique<ScriptedEngine>(platform::Instance{}, window->getWindowHandle(),
                                                  width, height);
        startLines = logLines().size();
        return *engine;
    }

    std::unique_ptr<Window> window;
    std::unique_ptr<ScriptedEngine> engine;
};

inline const std::string noJoystickLine = "ERROR: Unable to create joystick device";
