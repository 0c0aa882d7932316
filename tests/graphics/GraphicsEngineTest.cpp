#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/GraphicsEngine.h"
#include "support/EngineTest.h"

using Lines = std::vector<std::string>;

class GraphicsEngineTest : public EngineTest {
protected:
    GraphicsEngine& graphics() { return *engine->graphicsService(); }
};

struct SetUpFailure {
    const char* fault;
    Lines lines;
    bool hasDisplay;
    bool hasScreen;
};

void PrintTo(const SetUpFailure& failure, std::ostream* out) {
    *out << failure.fault;
}

class GraphicsSetUpFailureTest : public GraphicsEngineTest,
                                 public ::testing::WithParamInterface<SetUpFailure> {};

TEST_P(GraphicsSetUpFailureTest, LogsItsLinesInOrderAndKeepsOnlyWhatSurvived) {
    const SetUpFailure& failure = GetParam();
    backend.fail(failure.fault);
    start();
    Lines expected = failure.lines;
    expected.push_back(noJoystickLine);
    EXPECT_EQ(logLines(), expected) << "the input service follows the display all the same";
    EXPECT_EQ(graphics().getDDObject() != nullptr, failure.hasDisplay);
    EXPECT_EQ(graphics().getScreen() != nullptr, failure.hasScreen);
    EXPECT_EQ(graphics().getPixelFormat(), 0) << "only a complete set-up sets the layout";
}

INSTANTIATE_TEST_SUITE_P(
    EverySetUpStep, GraphicsSetUpFailureTest,
    ::testing::Values(
        SetUpFailure{"display.create", {"ERROR: Unable to create ddraw object"}, false, false},
        SetUpFailure{
            "display.cooperativeLevel", {"ERROR: Unable to set cooperation level"}, false, false},
        SetUpFailure{"display.displayMode", {"ERROR: Unable to set display mode"}, false, false},
        SetUpFailure{"display.primarySurface",
                     {"ERROR: Unable to create primary surface",
                      "ERROR: Unable to create Graphics surfaces"},
                     false,
                     false},
        SetUpFailure{
            "display.backBuffer",
            {"ERROR: Unable to create back buffer", "ERROR: Unable to create Graphics surfaces"},
            false,
            false},
        SetUpFailure{
            "display.clipper",
            {"ERROR: unable to create clipper", "ERROR: Unable to create Graphics clipper"},
            true,
            true},
        SetUpFailure{"display.clipList",
                     {"ERROR: unable to set clip list", "ERROR: Unable to create Graphics clipper"},
                     true,
                     true},
        SetUpFailure{"display.attachClipper",
                     {"ERROR: unable to attach clipper to back buffer",
                      "ERROR: Unable to create Graphics clipper"},
                     true,
                     true}),
    [](const auto& info) {
        std::string name = info.param.fault;
        return name.substr(name.find('.') + 1);
    });

TEST_F(GraphicsEngineTest, ACompleteSetUpWritesNothingAndTakesTheScreenAt800x600) {
    start();
    EXPECT_EQ(logLines(), (Lines{noJoystickLine}));
    EXPECT_EQ(graphics().getPixelFormat(), 565);
    EXPECT_EQ(backend.displayWidth(), 800);
    EXPECT_EQ(backend.displayHeight(), 600);
    ASSERT_NE(graphics().getBackbuffer(), nullptr);
    EXPECT_EQ(graphics().getBackbuffer()->width(), 800);
}

TEST_F(GraphicsEngineTest, AnyGreenMaskOtherThan565MeansTheOtherLayout) {
    backend.setDisplayGreenMask(0x03E0);
    start();
    EXPECT_EQ(graphics().getPixelFormat(), 555);
}

TEST_F(GraphicsEngineTest, ClearPacksTheComponentsUnscaledAndUnclamped) {
    start();
    platform::Surface* back = graphics().getBackbuffer();
    struct Case {
        int r, g, b;
        std::uint16_t value;
    };
    for (const Case& c : {Case{0, 0, 0, 0x0000}, Case{31, 63, 31, 0xFFFF}, Case{31, 31, 31, 0xFBFF},
                          Case{0, 64, 0, 0x0800}, Case{10, 10, 10, 0x514A}}) {
        graphics().clearBuffer(back, c.r, c.g, c.b);
        EXPECT_EQ(back->pixel(0, 0), c.value) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(back->pixel(799, 599), c.value);
    }
}

TEST_F(GraphicsEngineTest, The555LayoutPacksGreenOneBitHigher) {
    EXPECT_EQ(GraphicsEngine::packColor(555, 31, 31, 31), 0xFFDF);
    EXPECT_EQ(GraphicsEngine::packColor(555, 10, 10, 10), 0x528A);
    EXPECT_EQ(GraphicsEngine::packColor(565, 10, 20, 10),
              GraphicsEngine::packColor(555, 10, 10, 10));
}

TEST_F(GraphicsEngineTest, BlitsAreClippedTo800x600WhateverSizeWasAskedFor) {
    ScriptedEngine& game = start(1024, 768);
    platform::Surface* back = graphics().getBackbuffer();
    ASSERT_EQ(back->width(), 1024);
    const platform::Rect wide{790, 590, 900, 700};
    back->colorFill(&wide, 0xFFFF);
    EXPECT_EQ(back->pixel(799, 599), 0xFFFF);
    EXPECT_EQ(back->pixel(800, 599), 0x0000);
    EXPECT_EQ(back->pixel(799, 600), 0x0000);
    game.drawPixel(850, 10, 31, 63, 31);
    EXPECT_EQ(back->pixel(850, 10), 0x0000);
}

TEST_F(GraphicsEngineTest, AFailedSetUpLeavesFramesAndDrawingHarmless) {
    backend.fail("display.create");
    ScriptedEngine& game = start();
    game.work = [](ScriptedEngine& e) {
        e.drawPixel(5, 5, 31, 63, 31);
        e.drawText("hello", 0, 0, 255, 255, 255);
        if (e.lockScreen()) e.unlockScreen();
        const platform::Point p{1, 1};
        e.drawPixelArray(&p, 1, 31, 31, 31);
        e.drawImage(nullptr, platform::Rect{0, 0, 10, 10});
    };
    game.gameLoop();
    game.gameLoop();
    EXPECT_EQ(backend.framesPresented(), 0u);
    EXPECT_EQ(logLines(),
              (Lines{"ERROR: Unable to create ddraw object", noJoystickLine,
                     "Unable to get Label device context", "ERROR: unable to lock back buffer",
                     "ERROR: no backbuffer", "Unable to get Label device context",
                     "ERROR: unable to lock back buffer", "ERROR: no backbuffer"}));
}

TEST_F(GraphicsEngineTest, WithoutAClipperFramesStillFlipAndOffScreenFillsAreRefused) {
    backend.fail("display.clipper");
    ScriptedEngine& game = start();
    game.work = [](ScriptedEngine& e) {
        // No layout was settled, so single pixels come out black.
        e.drawPixel(3, 4, 31, 0, 0);
        e.drawPixel(-1, 0, 31, 0, 0);
        e.drawPixel(800, 0, 31, 0, 0);
    };
    game.gameLoop();
    EXPECT_EQ(backend.framesPresented(), 1u);
    EXPECT_EQ(backend.framePixel(3, 4), 0x0000);
}
