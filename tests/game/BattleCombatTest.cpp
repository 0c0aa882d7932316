#include <cstdint>

#include "enemies/Explosion.h"
#include "enemies/Pod.h"
#include "platform/input/KeyCodes.h"
#include "player/AlzBullet.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"
#include "support/GameTest.h"
#include "world/Camera.h"

namespace {

using platform::DIK_1;
using platform::Point;

using BattleCombatTest = GameTest;

// A pod that fires on every update, facing, flying and aiming as it is told.
class GunPod : public Pod {
public:
    GunPod(GameEngine* engine, Camera* camera, int towards, int speed, int aim)
        : Pod(engine, camera, 0, 0) {
        facing = lastFacing = towards;
        velocityX = speed;
        shootDirection = aim;
        platform::setRect(worldRect, 0, 0, 40, 20);
    }
    void update() override { firing = true; }
    void draw() override {}
};

void startFarOff(Explosion& e) {
    e.setActive(true);
    e.setExplosionType(2);
    e.setLocation(5000, 5000);
}

TEST_F(BattleCombatTest, ThePodsOfTheFirstBattleStandWhereTheGeneratorPutsThem) {
    frame();
    // The runtime's generator, worked out here on its own; the star field draws first.
    std::uint32_t state = 1;
    const auto next = [&state] {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    };
    for (int i = 0; i < 600; ++i) next();
    ASSERT_EQ(game->pods.size(), 34u);
    for (int i = 0; i < 30; ++i) {
        const int y = -300 + next() % 600;
        const int x = 400 + (next() % 1000) * i;
        EXPECT_EQ(game->pods[i]->getLocation(), (Point{x, y})) << "drone " << i;
    }
    for (int i = 0; i < 4; ++i) {
        const int y = -300 + next() % 400 + 100;
        const int x = 13500 + (next() % 300) * i;
        EXPECT_EQ(game->pods[30 + i]->getLocation(), (Point{x, y})) << "raider " << i;
    }
}

TEST_F(BattleCombatTest, TenPlayerBulletsInFlightBlockANewShot) {
    for (int inFlight : {9, 10}) {
        SCOPED_TRACE(inFlight);
        restart();
        frames(2);
        for (int i = 0; i < inFlight; ++i) hold(*game->playerBullets[i], {5000, 5000 + i});
        frame({platform::DIK_D});
        EXPECT_TRUE(game->player->weaponFired()) << "the shot was due";
        for (int i = 0; i < inFlight; ++i) {
            EXPECT_EQ(game->playerBullets[i]->getLocation(), (Point{5000, 5000 + i}));
        }
        EXPECT_TRUE(game->playerBullets[9]->isActive());
        if (inFlight == 9) {
            EXPECT_EQ(game->playerBullets[9]->getLocation(), game->player->getBulletLoc());
        }
    }
}

TEST_F(BattleCombatTest, ABulletHitsOnlyTheFirstPodUnderItAndItsExplosionShowsOnTheNextFrame) {
    frames(2);
    Pod& first = *game->pods[0];
    Pod& second = *game->pods[1];
    first.setLocation(0, -100);
    second.setLocation(0, -100);
    // Inside both drones' hit boxes, (1, 34, 96, 59) from their corners, after they fly on.
    hold(*game->playerBullets[0], {50, -55});
    frame();
    EXPECT_FALSE(game->playerBullets[0]->isActive());
    EXPECT_FALSE(first.isAlive());
    EXPECT_TRUE(second.isAlive());
    EXPECT_EQ(second.getHealth(), 1);

    const Explosion& blast = *game->explosions[0];
    EXPECT_TRUE(blast.isActive());
    EXPECT_FALSE(blast.getEndsBattle());
    EXPECT_EQ(blast.getLocation(), first.getLocation()) << "at the pod's top-left corner";
    EXPECT_FALSE(game->explosions[1]->isActive());
    const auto onScreen = [&] {
        const platform::Rect view = game->camera->getView();
        const Point at{blast.getLocation().x - view.left, blast.getLocation().y - view.top};
        return shows({at.x, at.y, at.x + 108, at.y + 150}, "explosion2.bmp",
                     Explosion::sprites2[0]);
    };
    EXPECT_FALSE(onScreen()) << "started after this frame's explosions played";
    frame();
    EXPECT_TRUE(onScreen());
}

TEST_F(BattleCombatTest, TheCraftDestroyedWithAllTenExplosionsPlayingEndsNoBattle) {
    frames(2);
    for (const auto& e : game->explosions) startFarOff(*e);
    destroyCraft();
    for (const auto& e : game->explosions) EXPECT_FALSE(e->getEndsBattle());
    for (int i = 0; i < 60; ++i) {
        frame();
        ASSERT_EQ(game->phase, 1) << "frame " << i;
    }
    frame({DIK_1});
    EXPECT_EQ(game->phase, 2);
}

TEST_F(BattleCombatTest, TheFrameTheCraftsExplosionEndsStopsBeforeTheHitsAndTheKey) {
    frames(2);
    destroyCraft();
    EXPECT_TRUE(game->explosions[0]->getEndsBattle());
    frames(22);
    Explosion& later = *game->explosions[1];
    startFarOff(later);
    frames(5);
    ASSERT_EQ(game->phase, 1);
    ASSERT_EQ(later.getFrame(), 2);
    // A far-off raider, which does not move, with a player bullet in its hit box.
    Pod& raider = *game->pods[33];
    hold(*game->playerBullets[0], {raider.getLocation().x + 40, raider.getLocation().y + 40});

    frame({DIK_1});
    EXPECT_FALSE(game->explosions[0]->isActive());
    EXPECT_EQ(game->phase, 2);
    EXPECT_EQ(game->nextMode, 1) << "the key is not tested";
    EXPECT_TRUE(raider.isAlive()) << "nor are the hits";
    EXPECT_TRUE(game->playerBullets[0]->isActive());
    EXPECT_EQ(later.getFrame(), 2) << "explosions after the craft's are not played";
    frame();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->phase, 0);
}

TEST_F(BattleCombatTest, EnemyBulletsLeaveAtThePodsSpeedPlusOrMinusFive) {
    frames(2);
    const struct {
        int facing, speed, aim;
        Point velocity;
    } cases[] = {{1, 3, 0, {8, 0}}, {0, 3, 0, {-2, 0}}, {1, -4, 1, {1, -15}}, {0, -4, 2, {-9, 15}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.facing << " " << c.speed << " " << c.aim);
        for (const auto& b : game->enemyBullets) b->setActive(false);
        game->pods[0] =
            std::make_unique<GunPod>(game.get(), game->camera.get(), c.facing, c.speed, c.aim);
        game->updatePods();
        VoskBullet& bullet = *game->enemyBullets[0];
        ASSERT_TRUE(bullet.isActive());
        const Point from = bullet.getLocation();
        EXPECT_EQ(from, game->pods[0]->getBulletLoc());
        bullet.update();
        EXPECT_EQ((Point{bullet.getLocation().x - from.x, bullet.getLocation().y - from.y}),
                  c.velocity);
    }
}

TEST_F(BattleCombatTest, TheBulletThatDestroysTheCraftFliesOnAndEndsTheHitPass) {
    frames(2);
    game->player->takeDamage(-1);  // two points of health
    const Point at = game->player->getLocation();
    hold(*game->enemyBullets[0], {at.x + 40, at.y + 40});
    hold(*game->enemyBullets[1], {at.x + 41, at.y + 41});
    game->detectHits();
    EXPECT_FALSE(game->enemyBullets[0]->isActive()) << "a hit the craft survives";
    EXPECT_FALSE(game->player->isAlive());
    EXPECT_FALSE(game->player->isVisible());
    EXPECT_TRUE(game->enemyBullets[1]->isActive());
    EXPECT_EQ(game->enemyBullets[1]->getLocation(), (Point{at.x + 41, at.y + 41}));
    EXPECT_TRUE(game->explosions[0]->isActive());
    EXPECT_TRUE(game->explosions[0]->getEndsBattle());
    EXPECT_EQ(game->explosions[0]->getLocation(), at);
}

}  // namespace
