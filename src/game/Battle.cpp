#include "enemies/Explosion.h"
#include "enemies/Pod.h"
#include "enemies/VoskCommandShip.h"
#include "enemies/VoskDestroyer.h"
#include "enemies/VoskFlagship.h"
#include "enemies/VoskTroopShip.h"
#include "game/Game.h"
#include "player/AlzBullet.h"
#include "player/HX4corv.h"
#include "player/Pilot.h"
#include "player/VoskBullet.h"
#include "world/Background.h"
#include "world/Camera.h"

namespace {

constexpr int playerBulletCount = 10;
constexpr int enemyBulletCount = 20;
constexpr int explosionCount = 10;

}  // namespace

void Game::setupBattle() {
    pilot.reset();
    player.reset();
    camera.reset();
    background.reset();
    // The world's origin in the middle of the screen.
    camera = std::make_unique<Camera>(-400, -300);
    // The stars draw their random numbers first, then the pods: the first battle is the same on
    // every run.
    background = std::make_unique<Background>(this, camera.get());
    createCapitalShips();
    createPods();
    pilot = std::make_unique<Pilot>("blah");
    player = std::make_unique<HX4corv>(this, camera.get(), -200, 0);
    player->setPilot(pilot.get());
    for (int i = 0; i < playerBulletCount; ++i) {
        playerBullets.push_back(std::make_unique<AlzBullet>(this, camera.get()));
    }
    for (int i = 0; i < enemyBulletCount; ++i) {
        enemyBullets.push_back(std::make_unique<VoskBullet>(this, camera.get()));
    }
    for (int i = 0; i < explosionCount; ++i) {
        explosions.push_back(std::make_unique<Explosion>(this, camera.get()));
    }
    phase = 1;
}

void Game::createCapitalShips() {
    const auto add = [this](std::unique_ptr<BackgroundObject> ship, int depth) {
        ship->setDepth(depth);
        backgroundObjects.push_back(std::move(ship));
    };
    // Far ahead of the start, the flagship furthest back.
    for (int i = 0; i < 1; ++i) {
        const platform::Rect view = camera->getView();
        add(std::make_unique<VoskFlagship>(this, camera.get(), 14000 + 50 * i,
                                           view.top + 300 + 200 * i),
            2);
    }
    for (int i = 0; i < 1; ++i) {
        const platform::Rect view = camera->getView();
        add(std::make_unique<VoskCommandShip>(this, camera.get(), 14500 + 50 * i,
                                              view.top + 200 + 210 * i),
            3);
    }
    for (int i = 0; i < 1; ++i) {
        const platform::Rect view = camera->getView();
        add(std::make_unique<VoskTroopShip>(this, camera.get(), 14400 + 50 * i,
                                            view.top + 450 + 340 * i),
            3);
    }
    for (int i = 0; i < 2; ++i) {
        const platform::Rect view = camera->getView();
        add(std::make_unique<VoskDestroyer>(this, camera.get(), 14550 + 70 * i,
                                            view.top + 100 + 500 * i),
            4);
    }
}

void Game::runBattle() {
    background->update();
    background->draw();
    updateBackgroundObjects();
    // A destroyed craft no longer moves, but the view goes on at its last speed.
    player->update();
    const platform::Point v = player->getVelocity();
    camera->update(v.x, v.y);
    updateBullets();
    updatePods();
    if (updateExplosions()) {
        // The craft's explosion has played: a new battle follows.
        nextMode = 1;
        phase = 2;
        return;
    }
    detectHits();
    player->draw();
    if (onePressed()) {
        nextMode = 2;
        phase = 2;
    }
}

void Game::updateBackgroundObjects() {
    for (const auto& ship : backgroundObjects) {
        ship->update();
        ship->draw();
    }
}

void Game::endBattle() {
    explosions.clear();
    enemyBullets.clear();
    playerBullets.clear();
    player.reset();
    pilot.reset();
    pods.clear();
    backgroundObjects.clear();
    background.reset();
    camera.reset();
    mode = nextMode;
    phase = 0;
}
