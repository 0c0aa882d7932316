#include "game/Game.h"

Game::Game(platform::Instance instance, platform::WindowHandle window, int width, int height)
    : GameEngine(instance, window, width, height) {}

void Game::gameWork() {}
