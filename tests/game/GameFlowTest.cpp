#include <filesystem>
#include <string>
#include <vector>

#include "enemies/AlzecDrone.h"
#include "enemies/Explosion.h"
#include "enemies/Raider.h"
#include "enemies/VoskCommandShip.h"
#include "enemies/VoskDestroyer.h"
#include "enemies/VoskFlagship.h"
#include "enemies/VoskTroopShip.h"
#include "platform/input/KeyCodes.h"
#include "player/AlzBullet.h"
#include "player/Corvane.h"
#include "player/VoskBullet.h"
#include "support/GameTest.h"
#include "world/BackgroundObject.h"
#include "world/Camera.h"

namespace {

using platform::DIK_1;

using GameFlowTest = GameTest;

TEST_F(GameFlowTest, TheFirstFrameSetsTheBattleUpAndTheSecondRunsIt) {
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->phase, 0);
    EXPECT_EQ(game->nextMode, 0);
    frame();
    EXPECT_EQ(game->phase, 1);
    EXPECT_EQ(game->pods.size(), 34u);
    EXPECT_EQ(game->backgroundObjects.size(), 5u);
    EXPECT_EQ(game->playerBullets.size(), 10u);
    EXPECT_EQ(game->enemyBullets.size(), 20u);
    EXPECT_EQ(game->explosions.size(), 10u);
    EXPECT_EQ(litPixels(), 0) << "a set-up frame shows the cleared screen";
    // The first run frame: the view follows the craft's speed of 5, and the stars are out.
    frame();
    EXPECT_EQ(game->phase, 1);
    EXPECT_EQ(game->camera->getView(), (platform::Rect{-395, -300, 405, 300}));
    EXPECT_GT(litPixels(), 0);
}

TEST_F(GameFlowTest, OnePressOfTheOneKeySwitchesBetweenBattleAndNavigationOnce) {
    frames(2);
    // Held from a battle's run frame on: the navigation screen comes up and stays up.
    frame({DIK_1});
    EXPECT_EQ(game->phase, 2);
    EXPECT_EQ(game->nextMode, 2);
    frame({DIK_1});
    EXPECT_EQ(game->mode, 2);
    EXPECT_EQ(game->phase, 0);
    EXPECT_TRUE(game->pods.empty());
    EXPECT_EQ(litPixels(), 0) << "a tear-down frame shows the cleared screen";
    frame({DIK_1});
    EXPECT_EQ(game->phase, 1);
    EXPECT_EQ(litPixels(), 0) << "a set-up frame shows the cleared screen";
    frames(5, {DIK_1});
    EXPECT_EQ(game->mode, 2);
    EXPECT_EQ(game->phase, 1) << "a held key does not switch again";
    EXPECT_GT(litPixels(), 0);
    frame();
    // Pressed again on the navigation screen: back to a battle, which the held key leaves be.
    frame({DIK_1});
    EXPECT_EQ(game->phase, 2);
    EXPECT_EQ(game->nextMode, 1);
    frame({DIK_1});
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->cursor, nullptr);
    EXPECT_EQ(litPixels(), 0);
    frames(5, {DIK_1});
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->phase, 1);
}

TEST_F(GameFlowTest, AModeOtherThanBattleOrNavigationDrawsNothing) {
    for (int mode : {0, 3, -1}) {
        for (int phase : {0, 1, 2}) {
            game->mode = mode;
            game->phase = phase;
            frame();
            EXPECT_EQ(litPixels(), 0) << mode << " " << phase;
            EXPECT_EQ(game->mode, mode);
            EXPECT_EQ(game->phase, phase);
        }
    }
    EXPECT_EQ(backend.framesPresented(), 9u);
    EXPECT_EQ(game->camera, nullptr);
    EXPECT_EQ(game->cursor, nullptr);
    EXPECT_TRUE(linesSinceStart().empty());
}

TEST_F(GameFlowTest, EndingTheGameReleasesBothModesFromAnyState) {
    // f a frame, 1 a frame with "1" down, n the navigation screen next, 0 no mode, x the
    // highlights gone.
    const struct {
        const char* state;
        std::string steps;
    } cases[] = {
        {"before the first frame", ""},
        {"battle set up", "f"},
        {"battle running", "fff"},
        {"battle ending", "ff1"},
        {"navigation after a battle", "ff1fff"},
        {"navigation, no battle ever", "nff"},
        {"navigation ending", "nff1"},
        {"navigation set-up retried", "xnff"},
        {"no mode", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        copyGameFiles();
        restart();
        for (char step : c.steps) {
            if (step == 'n') game->mode = 2;
            if (step == '0') game->mode = 0;
            if (step == 'x') std::filesystem::remove(path("selections.bmp"));
            if (step == 'f') frame();
            if (step == '1') frame({DIK_1});
        }
        game.reset();
        // Every shared sheet given back: nothing of either mode is left.
        EXPECT_EQ(
            (std::vector<int>{AlzecDrone::droneCount, Raider::podCount, VoskFlagship::shipCount,
                              VoskCommandShip::shipCount, VoskTroopShip::shipCount,
                              VoskDestroyer::shipCount, AlzBullet::bulletCount,
                              VoskBullet::bulletCount, Explosion::explosionCount}),
            std::vector<int>(9, 0));
    }
}

TEST_F(GameFlowTest, TheCraftsExplosionEndingLeadsToAFreshBattleInTheSamePlaces) {
    frame();
    std::vector<int> firstHeights;
    for (const auto& pod : game->pods) firstHeights.push_back(pod->getLocation().y);
    frame();
    destroyCraft();
    int runFrames = 0;
    for (; game->phase == 1 && runFrames < 100; ++runFrames) frame();
    EXPECT_EQ(runFrames, 28) << "the small explosion ends at its 28th update";
    EXPECT_EQ(game->nextMode, 1);
    frame();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->phase, 0);
    EXPECT_EQ(game->player, nullptr);
    EXPECT_EQ(litPixels(), 0);
    frame();
    EXPECT_EQ(game->phase, 1);

    EXPECT_EQ(game->camera->getView(), (platform::Rect{-400, -300, 400, 300}));
    EXPECT_EQ(game->player->getLocation(), (platform::Point{-200, 0}));
    EXPECT_TRUE(game->player->isAlive());
    EXPECT_TRUE(game->player->isVisible());
    const platform::Point ships[] = {
        {14000, 0}, {14500, -100}, {14400, 150}, {14550, -200}, {14620, 300}};
    ASSERT_EQ(game->backgroundObjects.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(game->backgroundObjects[i]->getLocation(), ships[i]) << i;
    }
    ASSERT_EQ(game->pods.size(), 34u);
    std::vector<int> heights;
    for (std::size_t i = 0; i < 34; ++i) {
        EXPECT_EQ(dynamic_cast<const AlzecDrone*>(game->pods[i].get()) != nullptr, i < 30) << i;
        heights.push_back(game->pods[i]->getLocation().y);
    }
    EXPECT_EQ(game->pods[0]->getLocation().x, 400);
    EXPECT_EQ(game->pods[30]->getLocation().x, 13500);
    EXPECT_NE(heights, firstHeights) << "the generator goes on where the first battle left it";
    for (const auto& e : game->explosions) EXPECT_FALSE(e->isActive());
    for (const auto& b : game->enemyBullets) EXPECT_FALSE(b->isActive());
}

}  // namespace
