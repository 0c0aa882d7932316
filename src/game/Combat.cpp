#include "enemies/AlzecDrone.h"
#include "enemies/Explosion.h"
#include "enemies/Raider.h"
#include "game/Game.h"
#include "platform/Random.h"
#include "player/AlzBullet.h"
#include "player/Bullet.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"
#include "world/Camera.h"

namespace {

// The first bullet of a pool that is not in flight, or none.
template <typename Kind>
Kind* firstIdle(const std::vector<std::unique_ptr<Kind>>& pool) {
    for (const auto& member : pool) {
        if (!member->isActive()) return member.get();
    }
    return nullptr;
}

// Sets a pooled shot off from `gun` at the shooter's speed plus its own.
void launch(Bullet* bullet, platform::Point gun, platform::Point v, int facing, int direction,
            int muzzleSpeed) {
    const int vertical = direction == 1 ? -15 : direction == 2 ? 15 : 0;
    const int horizontal = facing == 1 ? v.x + muzzleSpeed : v.x - muzzleSpeed;
    bullet->setLocation(gun.x, gun.y);
    bullet->setVelocity(horizontal, vertical);
    bullet->setActive(true);
}

template <typename Kind>
void flyAll(const std::vector<std::unique_ptr<Kind>>& pool) {
    for (const auto& bullet : pool) {
        if (!bullet->isActive()) continue;
        bullet->update();
        bullet->draw();
        if (bullet->expired()) {
            bullet->reset();
            bullet->setActive(false);
        }
    }
}

}  // namespace

void Game::createPods() {
    // Drones strung out ahead of the craft, then four raiders waiting before the capital ships.
    for (int i = 0; i < 30; ++i) {
        platform::Rect view = camera->getView();
        const int r1 = platform::rand();
        const int y = view.top + r1 % Camera::viewHeight;
        view = camera->getView();
        const int r2 = platform::rand();
        const int x = view.right + (r2 % 1000) * i;
        pods.push_back(std::make_unique<AlzecDrone>(this, camera.get(), x, y));
    }
    for (int i = 0; i < 4; ++i) {
        const platform::Rect view = camera->getView();
        const int r1 = platform::rand();
        const int y = view.top + r1 % 400 + 100;
        const int r2 = platform::rand();
        const int x = 13500 + (r2 % 300) * i;
        pods.push_back(std::make_unique<Raider>(this, camera.get(), x, y));
    }
}

void Game::updateBullets() {
    flyAll(playerBullets);
    if (player->isAlive() && player->weaponFired()) {
        // With every bullet in flight the shot is lost.
        if (AlzBullet* bullet = firstIdle(playerBullets)) {
            launch(bullet, player->getBulletLoc(), player->getVelocity(), player->getFacing(),
                   player->getShootDirection(), 30);
        }
    }
    flyAll(enemyBullets);
}

void Game::updatePods() {
    for (const auto& pod : pods) {
        // Far-off and destroyed pods cost only this test.
        if (!pod->isAlive() || !camera->inActiveArea(pod->getWorldRect())) continue;
        pod->update();
        if (pod->isFiring()) {
            if (VoskBullet* bullet = firstIdle(enemyBullets)) {
                launch(bullet, pod->getBulletLoc(), pod->getVelocity(), pod->getFacing(),
                       pod->getShootDirection(), 5);
            }
        }
        pod->draw();
    }
}

bool Game::updateExplosions() {
    for (const auto& explosion : explosions) {
        if (!explosion->isActive()) continue;
        explosion->update();
        explosion->draw();
        // The craft's explosion has just played its last frame: the battle is over.
        if (explosion->getEndsBattle() && !explosion->isActive()) return true;
    }
    return false;
}

void Game::detectHits() {
    for (const auto& bullet : playerBullets) {
        if (!bullet->isActive()) continue;
        const platform::Point p = bullet->getLocation();
        // A bullet stops in the first pod it hits.
        for (const auto& pod : pods) {
            if (!pod->detectCollision(p)) continue;
            pod->takeDamage(bullet->getDamage());
            if (pod->dead()) {
                pod->setAlive(false);
                const platform::Point q = pod->getLocation();
                spawnExplosion(q.x, q.y, false);
            }
            bullet->reset();
            bullet->setActive(false);
            break;
        }
    }
    for (const auto& bullet : enemyBullets) {
        if (!bullet->isActive()) continue;
        if (!player->detectCollision(bullet->getLocation())) continue;
        player->takeDamage(bullet->getDamage());
        if (player->dead()) {
            // The bullet that destroyed the craft flies on, and no other is tested.
            player->setAlive(false);
            player->setVisible(false);
            const platform::Point q = player->getLocation();
            spawnExplosion(q.x, q.y, true);
            return;
        }
        bullet->reset();
        bullet->setActive(false);
    }
}

void Game::spawnExplosion(int x, int y, bool endsBattle) {
    for (const auto& explosion : explosions) {
        if (explosion->isActive()) continue;
        explosion->setActive(true);
        explosion->setExplosionType(2);
        explosion->setLocation(x, y);
        explosion->setEndsBattle(endsBattle);
        return;
    }
}
