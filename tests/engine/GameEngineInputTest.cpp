#include <optional>
#include <string>
#include <vector>

#include "engine/GameEngine.h"
#include "platform/input/KeyCodes.h"
#include "support/WindowTest.h"

namespace {

class QuietEngine : public GameEngine {
public:
    using GameEngine::GameEngine;
    using GameEngine::readInput;
    void gameWork() override {}
};

}  // namespace

class GameEngineInputTest : public WindowTest {
protected:
    QuietEngine& start() {
        engine.emplace(platform::Instance{}, windowHandle(), 800, 600);
        return *engine;
    }

    // The services go before the backend does.
    void TearDown() override {
        engine.reset();
        WindowTest::TearDown();
    }

    std::optional<QuietEngine> engine;
};

TEST_F(GameEngineInputTest, InputComesRightAfterTheDisplay) {
    backend.fail("display.create", 1);
    QuietEngine& game = start();
    EXPECT_EQ(logLines(), (std::vector<std::string>{"ERROR: Unable to create ddraw object",
                                                    "ERROR: Unable to create joystick device"}));
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{400, 300}));
}

TEST_F(GameEngineInputTest, MouseLocationFollowsTheMotionWithoutJoystick) {
    QuietEngine& game = start();
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{400, 300}));
    devices().moveMouse(12, -5);
    game.gameLoop();
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{412, 295}));
    game.gameLoop();
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{412, 295}));
    // No clamping: the location goes off the screen with the mouse.
    devices().moveMouse(-500, 400);
    EXPECT_TRUE(game.readInput());
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{-88, 695}));
}

TEST_F(GameEngineInputTest, HeldKeyIsDownEveryFrameUntilReleased) {
    QuietEngine& game = start();
    devices().setKey(platform::DIK_LCONTROL, true);
    for (int frame = 0; frame < 5; ++frame) {
        game.gameLoop();
        EXPECT_TRUE(game.getKeyState(platform::DIK_LCONTROL)) << "frame " << frame;
        EXPECT_FALSE(game.getKeyState(platform::DIK_RCONTROL));
    }
    devices().setKey(platform::DIK_LCONTROL, false);
    game.gameLoop();
    EXPECT_FALSE(game.getKeyState(platform::DIK_LCONTROL));
}

TEST_F(GameEngineInputTest, KeyCodesOutsideTheSnapshotAreNeverDown) {
    QuietEngine& game = start();
    for (int code = 0; code < 256; ++code) devices().setKey(code, true);
    game.gameLoop();
    EXPECT_TRUE(game.getKeyState(0));
    EXPECT_TRUE(game.getKeyState(255));
    EXPECT_FALSE(game.getKeyState(-1));
    EXPECT_FALSE(game.getKeyState(256));
    EXPECT_FALSE(game.getKeyState(2000));
}

TEST_F(GameEngineInputTest, MouseButtonsCountByTheirLastDigit) {
    QuietEngine& game = start();
    devices().setMouseButton(0, true);
    game.gameLoop();
    EXPECT_TRUE(game.getMouseButtonState(0));
    EXPECT_TRUE(game.getMouseButtonState(1000));
    EXPECT_FALSE(game.getMouseButtonState(1));

    for (int button = 0; button < 4; ++button) devices().setMouseButton(button, true);
    game.gameLoop();
    EXPECT_TRUE(game.getMouseButtonState(1003));
    EXPECT_FALSE(game.getMouseButtonState(5));
    EXPECT_FALSE(game.getMouseButtonState(9));
    EXPECT_FALSE(game.getMouseButtonState(-1));
    EXPECT_FALSE(game.getMouseButtonState(-10 - 3));
}

TEST_F(GameEngineInputTest, FailedKeyboardReadEndsTheInputStep) {
    devices().attachJoystick(true);
    QuietEngine& game = start();
    devices().setKey(platform::DIK_Z, true);
    game.gameLoop();

    devices().setKey(platform::DIK_Z, false);
    devices().moveMouse(10, 10);
    devices().setMouseButton(1, true);
    devices().setJoystickAxes(-32768, 0);
    backend.fail("input.keyboardRead", 1);
    EXPECT_FALSE(game.readInput());
    EXPECT_TRUE(game.getKeyState(platform::DIK_Z));
    EXPECT_FALSE(game.getMouseButtonState(1));
    EXPECT_FALSE(game.getJoystickLeft());
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{400, 300}));
    EXPECT_EQ(logLines().back(), "ERROR: Unable to read keyboard");

    // The mouse was not read, so its motion arrives with the next step.
    EXPECT_TRUE(game.readInput());
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{410, 310}));
}

TEST_F(GameEngineInputTest, FailedReadOfAnAttachedJoystickStillEndsTheStep) {
    devices().attachJoystick(true);
    QuietEngine& game = start();
    devices().moveMouse(10, 0);
    backend.fail("input.joystickPoll", 1);
    EXPECT_FALSE(game.readInput());
    EXPECT_EQ(game.getMouseLocation(), (platform::Point{400, 300}));
}

TEST_F(GameEngineInputTest, WithoutJoystickEveryJoystickQuestionIsFalse) {
    QuietEngine& game = start();
    devices().setJoystickAxes(-32768, 32767);
    for (int button = 0; button < 10; ++button) devices().setJoystickButton(button, true);
    game.gameLoop();
    EXPECT_EQ(logLines().back(), "ERROR: Unable to create joystick device");
    EXPECT_FALSE(game.joystickPresent());
    EXPECT_FALSE(game.getJoystickUp());
    EXPECT_FALSE(game.getJoystickDown());
    EXPECT_FALSE(game.getJoystickLeft());
    EXPECT_FALSE(game.getJoystickRight());
    for (int button : {0, 3, 9, 2000, 2009}) EXPECT_FALSE(game.getJoystickButtonState(button));
}

class GameEngineJoystickTest : public GameEngineInputTest {
protected:
    QuietEngine& startWithJoystick() {
        devices().attachJoystick(true);
        QuietEngine& game = start();
        EXPECT_TRUE(game.joystickPresent());
        return game;
    }
};

// A raw stick position and the directions it gives: up, down, left, right.
struct StickCase {
    int x;
    int y;
    std::vector<bool> directions;
};

TEST_F(GameEngineJoystickTest, StickDirectionsOutsideTheDeadZone) {
    QuietEngine& game = startWithJoystick();
    const StickCase cases[] = {
        {0, 0, {false, false, false, false}},         // centred
        {0, -32768, {true, false, false, false}},     // pushed up
        {-3000, 3200, {false, false, false, false}},  // a slight push stays in the dead zone
        {-20000, 0, {false, false, true, false}},     // further left
        {24000, -24000, {true, false, false, true}},  // diagonally up and right
    };
    for (const StickCase& stick : cases) {
        devices().setJoystickAxes(stick.x, stick.y);
        game.gameLoop();
        const std::vector<bool> directions{game.getJoystickUp(), game.getJoystickDown(),
                                           game.getJoystickLeft(), game.getJoystickRight()};
        EXPECT_EQ(directions, stick.directions) << "stick at " << stick.x << ", " << stick.y;
    }
}

TEST_F(GameEngineJoystickTest, ButtonsCountByTheirLastDigit) {
    QuietEngine& game = startWithJoystick();
    devices().setJoystickButton(2, true);
    game.gameLoop();
    EXPECT_TRUE(game.getJoystickButtonState(12));
    EXPECT_TRUE(game.getJoystickButtonState(2002));
    EXPECT_FALSE(game.getJoystickButtonState(3));

    for (int button = 0; button < 10; ++button) devices().setJoystickButton(button, true);
    game.gameLoop();
    EXPECT_TRUE(game.getJoystickButtonState(2009));
    EXPECT_FALSE(game.getJoystickButtonState(-2));
    EXPECT_FALSE(game.getJoystickButtonState(-2003));
}
