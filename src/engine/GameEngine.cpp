#include "engine/GameEngine.h"

#include <new>

#include "graphics/GraphicsEngine.h"
#include "input/InputEngine.h"
#include "log/Log.h"
#include "platform/Backend.h"
#include "platform/window/WindowSystem.h"
#include "sound/SoundEngine.h"

GameEngine::GameEngine(platform::Instance instance, platform::WindowHandle window, int width,
                       int height) {
    graphics.reset(new (std::nothrow) GraphicsEngine(window, width, height));
    if (!graphics) return;
    input.reset(new (std::nothrow) InputEngine(instance, window));
    if (!input) return;
    mouseX = width / 2;
    mouseY = height / 2;
    sound.reset(new (std::nothrow) SoundEngine(window));
}

GameEngine::~GameEngine() {
    sound.reset();
    input.reset();
    graphics.reset();
}

void GameEngine::gameLoop() {
    const std::uint32_t start = platform::tickCount();
    readInput();
    clearFrame();
    gameWork();
    showFrame();
    // Wait out the frame. The difference is taken modulo 2^32, so the counter's wrap does not
    // stall the loop; the backend sleeps through most of the wait and spins only at the end.
    for (;;) {
        const std::uint32_t elapsed = platform::tickCount() - start;
        if (elapsed >= frameMilliseconds) break;
        platform::backend().idle(frameMilliseconds - elapsed);
    }
}

void GameEngine::gameWork() {
    logLine("Inside GameEngine gameWork()!!");
}

void GameEngine::clearFrame() {
    if (!backbufferFetched) {
        frameBackbuffer = graphics ? graphics->getBackbuffer() : nullptr;
        backbufferFetched = true;
    }
    if (graphics) graphics->clearBuffer(frameBackbuffer, 0, 0, 0);
}

void GameEngine::showFrame() {
    if (!screenFetched) {
        frameScreen = graphics ? graphics->getScreen() : nullptr;
        screenFetched = true;
    }
    // Without a screen (a failed display set-up) there is nothing to show.
    if (frameScreen == nullptr) return;
    if (!frameScreen->flip()) logLine("ERROR: unable to flip buffer to screen");
}
