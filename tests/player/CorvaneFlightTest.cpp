#include <gtest/gtest.h>

#include <vector>

#include "platform/input/KeyCodes.h"
#include "support/CraftTest.h"

namespace {

using namespace platform;

class CorvaneFlight : public CraftTest {
protected:
    void SetUp() override {
        CraftTest::SetUp();
        launch();
        // A frame without keys clears the latches whatever an earlier test left.
        frame();
    }

    std::vector<int> speeds(int count, std::initializer_list<int> keys) {
        std::vector<int> v;
        for (int i = 0; i < count; ++i) {
            frame(keys);
            v.push_back(speed());
        }
        return v;
    }
};

TEST_F(CorvaneFlight, TheFighterStartsAtFiveAndStaysBetweenFiveAndTwelve) {
    EXPECT_EQ(location(), (Point{-195, 0}));
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(speeds(5, {DIK_RIGHT, DIK_SPACE}), (std::vector<int>{7, 9, 11, 12, 12}));
    EXPECT_EQ(speeds(5, {DIK_LEFT, DIK_SPACE}), (std::vector<int>{10, 8, 6, 5, 5}));
    // No drag: without input the speed stays.
    speeds(2, {DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(speeds(3, {}), (std::vector<int>{9, 9, 9}));
}

TEST_F(CorvaneFlight, SteeringWithoutThrustShiftsTheCraftOnTheScreenOnly) {
    const Point before = onScreen();
    frame({DIK_RIGHT});
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(onScreen(), (Point{before.x + 2, before.y}));
    frame({DIK_LEFT});
    frame({DIK_LEFT});
    EXPECT_EQ(onScreen(), (Point{before.x - 2, before.y}));
}

TEST_F(CorvaneFlight, ATurnReversesTheSpeedOnItsFrameWithoutSteering) {
    speeds(3, {DIK_RIGHT, DIK_SPACE});
    ASSERT_EQ(speed(), 11);
    frame({DIK_Z, DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(craft->getFacing(), 0);
    EXPECT_EQ(speed(), -11);
    // Facing left, thrust to the right brakes; holding the turn key turns nothing more.
    frame({DIK_Z, DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(speed(), -9);
    EXPECT_EQ(craft->getFacing(), 0);
    frame();
    frame({DIK_Z});
    EXPECT_EQ(craft->getFacing(), 1);
    EXPECT_EQ(speed(), 9);
}

TEST_F(CorvaneFlight, AStandmechArrivingFromAFastFighterSlowsToFive) {
    speeds(4, {DIK_RIGHT, DIK_SPACE});
    ASSERT_EQ(speed(), 12);
    // Fighter to standmech: the craft drifts at 12 until the transformation ends in a draw.
    frame({DIK_S});
    ASSERT_EQ(craft->getMode(), 7);
    while (craft->getMode() == 7) {
        frame({DIK_S, DIK_UP, DIK_LEFT, DIK_SPACE});
        EXPECT_EQ(speed(), 12);
        EXPECT_EQ(craft->getVelocity().y, 0);
    }
    ASSERT_EQ(craft->getMode(), 0);
    frame();
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(speeds(4, {DIK_LEFT, DIK_SPACE}), (std::vector<int>{3, 1, -1, -3}));
    EXPECT_EQ(speeds(2, {DIK_LEFT, DIK_SPACE}), (std::vector<int>{-5, -5}));
}

TEST_F(CorvaneFlight, AHovermechBrakesToAHoverAndNeverBacksAway) {
    transform(DIK_W);
    ASSERT_EQ(craft->getMode(), 1);
    EXPECT_EQ(speeds(4, {DIK_LEFT, DIK_SPACE}), (std::vector<int>{3, 1, 0, 0}));
    EXPECT_EQ(speeds(7, {DIK_RIGHT, DIK_SPACE}), (std::vector<int>{2, 4, 6, 8, 10, 12, 12}));
}

TEST_F(CorvaneFlight, TheViewScrollsWhenTheCraftReachesTheTopOrBottomOfItsArea) {
    struct Case {
        int key;
        int parkedAt;  // screen y
        int scroll;
    };
    for (const Case c : {Case{DIK_UP, 52, -2}, Case{DIK_DOWN, 464, 2}}) {
        frames(130, {c.key});
        const int y = location().y;
        frame({c.key});
        EXPECT_EQ(onScreen().y, c.parkedAt);
        EXPECT_EQ(location().y, y + c.scroll);
        EXPECT_EQ(craft->getVelocity().y, c.scroll);
        EXPECT_EQ(camera->getVelocity().y, c.scroll);
        frame();
        EXPECT_EQ(craft->getVelocity().y, 0);
        frames(200, {c.key == DIK_UP ? DIK_DOWN : DIK_UP});
    }
}

TEST_F(CorvaneFlight, TheCraftIsKeptInsideItsAreaSidewaysAtTheEdgePlusItsSpeed) {
    // Facing right at 5, shifted right: the right edge holds it at 750 - 85 - 5 on the screen.
    frames(300, {DIK_RIGHT});
    EXPECT_EQ(onScreen().x, 660);
    EXPECT_EQ(speed(), 5);
    frame({DIK_Z});
    frames(400, {DIK_LEFT});
    EXPECT_EQ(speed(), -5);
    EXPECT_EQ(onScreen().x, 55);
    EXPECT_EQ(camera->getPlayerArea().left + 5, location().x);
}

TEST_F(CorvaneFlight, TheGunFiresOnTheFirstFrameAndThenEveryThird) {
    std::vector<bool> fired;
    for (int i = 0; i < 7; ++i) {
        frame({DIK_D});
        fired.push_back(craft->weaponFired());
    }
    EXPECT_EQ(fired, (std::vector<bool>{true, false, false, true, false, false, true}));
    frame();
    EXPECT_FALSE(craft->weaponFired());
    frame({DIK_E});
    EXPECT_FALSE(craft->weaponFired()) << "the gun is not ready yet";
    frame({DIK_C});
    EXPECT_TRUE(craft->weaponFired());
    EXPECT_EQ(craft->getShootDirection(), 0) << "the fighter fires straight ahead only";
}

TEST_F(CorvaneFlight, BulletsStartAtTheGunOfTheModeMirroredWhenFacingLeft) {
    struct Case {
        int key;
        Point right;
        int direction;
    };
    const auto check = [&](std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            for (const bool left : {false, true}) {
                if (left != (craft->getFacing() == 0)) frame({DIK_Z});
                frame({c.key});
                SCOPED_TRACE(testing::Message() << "mode " << craft->getMode() << " key " << c.key
                                                << (left ? " facing left" : " facing right"));
                EXPECT_EQ(craft->getShootDirection(), c.direction);
                const Point at = location();
                const Point expected = left ? Point{at.x + 85 - c.right.x, at.y + c.right.y}
                                            : Point{at.x + c.right.x, at.y + c.right.y};
                EXPECT_EQ(craft->getBulletLoc(), expected);
                frame();
            }
        }
    };
    check({{DIK_D, {50, 33}, 0}, {DIK_E, {50, 33}, 0}});
    transform(DIK_W);
    check({{DIK_E, {72, 11}, 1}, {DIK_D, {77, 32}, 0}, {DIK_C, {74, 51}, 2}});
    transform(DIK_W);
    check({{DIK_E, {71, 6}, 1}, {DIK_D, {77, 26}, 0}, {DIK_C, {74, 46}, 2}});
    // Mid-transformation the fighter's gun fires, here facing left.
    ASSERT_EQ(craft->getFacing(), 0);
    frame({DIK_W});
    ASSERT_EQ(craft->getMode(), 8);
    frame({DIK_W, DIK_E});
    EXPECT_TRUE(craft->weaponFired());
    EXPECT_EQ(craft->getShootDirection(), 1);
    EXPECT_EQ(craft->getBulletLoc(), (Point{location().x + 85 - 50, location().y + 33}));
}

TEST_F(CorvaneFlight, IsHitInsideItsBoxAfterItsFirstMove) {
    const Point at = location();
    EXPECT_TRUE(craft->detectCollision({at.x + 20, at.y + 20}));
    EXPECT_TRUE(craft->detectCollision({at.x + 59, at.y + 59}));
    EXPECT_FALSE(craft->detectCollision({at.x + 60, at.y + 40}));
    EXPECT_FALSE(craft->detectCollision({at.x + 19, at.y + 40}));
    craft->setAlive(false);
    EXPECT_FALSE(craft->detectCollision({at.x + 30, at.y + 30}));
    frame({DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(location(), at) << "a dead craft ignores its update";
    EXPECT_EQ(shownFrame(), "none");
    craft->setAlive(true);
}

// The long rule of the two mode latches, one frame at a time.
TEST_F(CorvaneFlight, ModeCommandsAreReadAgainOnlyOutsideTheFirstFourTransformations) {
    // Mode up starts fighter to hovermech; pressing it again while that runs, and still holding
    // it at the end, starts nothing.
    frame({DIK_W});
    ASSERT_EQ(craft->getMode(), 3);
    frame();
    frame({DIK_W});
    while (craft->getMode() == 3) frame({DIK_W});
    ASSERT_EQ(craft->getMode(), 1);
    frames(3, {DIK_W});
    EXPECT_EQ(craft->getMode(), 1);
    // Released for a frame, it works again: hovermech to standmech. Mode down, pressed while that
    // runs with mode up let go, starts on the first frame after it ends: its latch is clear.
    frame();
    frame({DIK_W});
    ASSERT_EQ(craft->getMode(), 4);
    frame();
    frame({DIK_S});
    while (craft->getMode() == 4) frame({DIK_S});
    ASSERT_EQ(craft->getMode(), 0);
    frame({DIK_S});
    EXPECT_EQ(craft->getMode(), 5);
    // Mode up wins when both are held, once a frame without either has cleared its latch.
    while (craft->getMode() == 5) frame();
    ASSERT_EQ(craft->getMode(), 1);
    frame({DIK_W, DIK_S});
    EXPECT_EQ(craft->getMode(), 1);
    frame();
    frame({DIK_W, DIK_S});
    EXPECT_EQ(craft->getMode(), 4);
    while (craft->getMode() == 4) frame();

    // In states 7 and 8 the commands are read: letting go clears the latches and a new press
    // sets its latch without a change, so the command held at the end starts nothing.
    frame();
    frame({DIK_W});
    ASSERT_EQ(craft->getMode(), 8);
    frame();
    frame({DIK_S});
    while (craft->getMode() == 8) frame({DIK_S});
    ASSERT_EQ(craft->getMode(), 2);
    frames(2, {DIK_S});
    EXPECT_EQ(craft->getMode(), 2);
    frame();
    frame({DIK_S});
    EXPECT_EQ(craft->getMode(), 7);
}

TEST_F(CorvaneFlight, SteeringStopsOnTheFrameATransformationStarts) {
    const Point screen = onScreen();
    frame({DIK_W, DIK_RIGHT, DIK_SPACE, DIK_UP});
    ASSERT_EQ(craft->getMode(), 3);
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(onScreen(), screen);
}

TEST_F(CorvaneFlight, ATurnDuringATransformationStillReversesTheSpeed) {
    frame({DIK_W});
    frame({DIK_Z});
    EXPECT_EQ(craft->getMode(), 3);
    EXPECT_EQ(speed(), -5);
    frame();
    EXPECT_EQ(speed(), -5);
}

TEST_F(CorvaneFlight, WithoutAPilotTheCraftOnlyComplains) {
    craft->setPilot(nullptr);
    const Point at = location();
    frames(3, {DIK_RIGHT, DIK_SPACE, DIK_D});
    EXPECT_EQ(location(), at);
    EXPECT_FALSE(craft->weaponFired());
    const std::vector<std::string> lines = linesSinceStart();
    EXPECT_EQ(lines, std::vector<std::string>(3, "ERROR: no pilot selected"));
    craft->setPilot(pilot.get());
}

class CorvaneCodes : public CraftTest {};

TEST_F(CorvaneCodes, CodesOutsideTheKeysAndTheStickAreNeverActive) {
    // Steering by keys; every other code either lies beyond the key snapshot, in the dead range
    // or on the stick, whose button 1 (2011, 2021: the last digit) shoots down.
    writeControls("0\n300\n-57\n999\n1018\n2011\n1999\n-1\n456\n464\n1203\n2205\n");
    backend.inputHardware().attachJoystick(true);
    launch();
    frame();
    for (int code = 0; code < 256; ++code) backend.inputHardware().setKey(code, true);
    const Point screen = onScreen();
    frames(3);
    for (int code = 0; code < 256; ++code) backend.inputHardware().setKey(code, false);
    EXPECT_EQ(craft->getFacing(), 1);
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(craft->getMode(), 2);
    EXPECT_EQ(onScreen(), screen);
    EXPECT_FALSE(craft->weaponFired());
    backend.inputHardware().setJoystickButton(1, true);
    frame();
    EXPECT_TRUE(craft->weaponFired());
    EXPECT_EQ(craft->getShootDirection(), 0);
    backend.inputHardware().setJoystickButton(1, false);
}

TEST_F(CorvaneCodes, TheStickSteersWhenTheFileSaysSoAndTheKeysStillShoot) {
    writeControls("1\n44\n57\n32\n18\n46\n17\n31\n200\n208\n203\n205\n");
    backend.inputHardware().attachJoystick(true);
    launch();
    frame();
    const Point screen = onScreen();
    backend.inputHardware().setJoystickAxes(-32768, 32767);
    frame({DIK_RIGHT});
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(onScreen(), (Point{screen.x - 2, screen.y + 2})) << "the arrow keys no longer steer";
    frame({DIK_SPACE});
    EXPECT_EQ(speed(), 5);  // left thrust: the fighter's minimum
    backend.inputHardware().setJoystickAxes(32767, -32768);
    frame({DIK_SPACE, DIK_D});
    EXPECT_EQ(speed(), 7);
    EXPECT_TRUE(craft->weaponFired());
    backend.inputHardware().setJoystickAxes(0, 0);
}

TEST_F(CorvaneCodes, WithStickSteeringButNoStickTheCraftCannotSteer) {
    writeControls("1\n44\n57\n32\n18\n46\n17\n31\n200\n208\n203\n205\n");
    launch();
    frame();
    const Point screen = onScreen();
    frame({DIK_RIGHT, DIK_UP, DIK_SPACE, DIK_D});
    EXPECT_EQ(speed(), 5);
    EXPECT_EQ(onScreen(), screen);
    EXPECT_TRUE(craft->weaponFired());
}

}  // namespace
