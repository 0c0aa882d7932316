#include <gtest/gtest.h>

#include "support/EngineTest.h"

class FramePacingTest : public EngineTest {};

TEST_F(FramePacingTest, AnIdleFrameLastsSixteenMilliseconds) {
    ScriptedEngine& game = start();
    backend.setTicks(1000);
    game.gameLoop();
    EXPECT_EQ(backend.tickCount(), 1016u);
    game.gameLoop();
    EXPECT_EQ(backend.tickCount(), 1032u);
}

TEST_F(FramePacingTest, ALongFrameIsNotStretchedFurther) {
    ScriptedEngine& game = start();
    backend.setTicks(500);
    game.work = [&](ScriptedEngine&) { backend.advance(23); };
    game.gameLoop();
    EXPECT_EQ(backend.tickCount(), 523u);
    EXPECT_EQ(backend.idledMilliseconds(), 0u);
}

TEST_F(FramePacingTest, TheWaitEndsNoEarlierThanSixteenMillisecondsWhateverTheWorkTook) {
    ScriptedEngine& game = start();
    for (std::uint32_t work = 0; work < 16; ++work) {
        backend.setTicks(10000);
        game.work = [&, work](ScriptedEngine&) { backend.advance(work); };
        game.gameLoop();
        EXPECT_EQ(backend.tickCount(), 10016u) << "work of " << work << " ms";
    }
}

TEST_F(FramePacingTest, TheCounterWrappingDuringAFrameDoesNotLengthenTheWait) {
    ScriptedEngine& game = start();
    backend.setTicks(0xFFFFFFF8u);
    game.gameLoop();
    EXPECT_EQ(backend.tickCount(), 8u);
    EXPECT_EQ(backend.idledMilliseconds(), 16u);
}

TEST_F(FramePacingTest, TheBaseFrameWorkLogsItselfEveryFrame) {
    backend.setEscapeDown(false);
    start();
    GameEngine& base = *engine;
    base.GameEngine::gameWork();
    base.GameEngine::gameWork();
    EXPECT_EQ(linesSinceStart(), (std::vector<std::string>{"Inside GameEngine gameWork()!!",
                                                           "Inside GameEngine gameWork()!!"}));
}

TEST_F(FramePacingTest, TheMouseStartsInTheMiddleOfTheScreen) {
    ScriptedEngine& game = start();
    EXPECT_EQ(game.mouseLocationX(), 400);
    EXPECT_EQ(game.mouseLocationY(), 300);
}

TEST_F(FramePacingTest, EveryFrameIsClearedToBlackAndFlipped) {
    ScriptedEngine& game = start();
    game.work = [](ScriptedEngine& e) { e.drawPixel(10, 10, 31, 63, 31); };
    game.gameLoop();
    EXPECT_EQ(backend.framePixel(10, 10), 0xFFFF);
    game.work = nullptr;
    game.gameLoop();
    EXPECT_EQ(backend.framePixel(10, 10), 0x0000);
    EXPECT_EQ(backend.framesPresented(), 2u);
    // The last frame stays readable once the screen that showed it is gone.
    game.work = [](ScriptedEngine& e) { e.drawPixel(799, 599, 31, 0, 0); };
    game.gameLoop();
    engine.reset();
    EXPECT_EQ(backend.framePixel(799, 599), 0xF800);
    EXPECT_EQ(backend.lastFrame().size(), 800u * 600u);
    EXPECT_EQ(backend.lastFrame().back(), 0xF800);
}

TEST_F(FramePacingTest, AFailedFlipIsLoggedOnEveryFrameItFails) {
    ScriptedEngine& game = start();
    backend.fail("display.flip", 2);
    game.gameLoop();
    game.gameLoop();
    game.gameLoop();
    EXPECT_EQ(linesSinceStart(),
              (std::vector<std::string>{"ERROR: unable to flip buffer to screen",
                                        "ERROR: unable to flip buffer to screen"}));
    EXPECT_EQ(backend.framesPresented(), 1u);
}
