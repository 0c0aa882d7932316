#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/Window.h"
#include "game/Game.h"
#include "support/GeometryPrinting.h"
#include "support/HeadlessTest.h"

class Bullet;

// The game with its phases and fields in reach, so that a test can run one phase or one combat
// step at a time and arrange a scene.
class TestGame : public Game {
public:
    using Game::Game;

    using Game::camera, Game::player, Game::pods, Game::backgroundObjects, Game::playerBullets,
        Game::enemyBullets, Game::explosions;
    using Game::cursor, Game::hotArea1, Game::hotArea2, Game::hotArea3, Game::hotArea4;
    using Game::detectHits, Game::updateExplosions, Game::updatePods;
    using Game::mode, Game::phase, Game::nextMode;
    using GameEngine::mouseX, GameEngine::mouseY;
};

// The whole game on the headless backend, in a working directory holding the game's bitmaps and
// controls file, with the generator back at the state a new program starts with.
class GameTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new game in place of the old one, on the same window, as a new program starts it.
    void restart();
    // One pass of the engine with exactly these keys down and the left button as given.
    void frame(std::initializer_list<int> keys = {}, bool leftButton = false);
    void frames(int count, std::initializer_list<int> keys = {});
    // Where the next frame's input puts the mouse.
    void moveMouseTo(int x, int y);
    // Goes straight to the navigation screen and sets it up.
    void enterNavigation();
    // A bullet in flight at rest at p.
    static void hold(Bullet& bullet, platform::Point p);
    // An enemy bullet in the middle of the craft's hit box and the hit pass: the craft has one
    // point of health.
    void destroyCraft();

    // True when every opaque pixel of the bitmap's cell, stretched into `screen` as the blitter
    // does, is on the last flipped frame, leaving out the pixels inside `skip` (what is drawn
    // over it).
    bool shows(platform::Rect screen, const std::string& file, platform::Rect cell,
               platform::Rect skip = {}) const;

    std::unique_ptr<Window> window;
    std::unique_ptr<TestGame> game;

private:
    std::vector<int> held;
    bool buttonHeld = false;
};
