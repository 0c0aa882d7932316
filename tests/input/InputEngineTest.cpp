#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "input/InputEngine.h"
#include "platform/input/KeyCodes.h"
#include "support/WindowTest.h"

using Lines = std::vector<std::string>;

class InputEngineTest : public WindowTest {
protected:
    InputEngine& start() {
        engine.emplace(platform::Instance{}, windowHandle());
        return *engine;
    }

    // The services go before the backend does.
    void TearDown() override {
        engine.reset();
        WindowTest::TearDown();
    }

    std::optional<InputEngine> engine;
};

// A set-up step that fails: the line it writes (none for "none", which fails nothing), and
// which devices are left in use.
struct SetUpFault {
    const char* fault;
    const char* line;
    bool mouseCaptured;
    bool joystickOpen;
    bool joystickPresent;
};

void PrintTo(const SetUpFault& step, std::ostream* out) {
    *out << step.fault;
}

class InputEngineSetUpTest : public InputEngineTest,
                             public ::testing::WithParamInterface<SetUpFault> {};

TEST_P(InputEngineSetUpTest, WritesItsLineAndLeavesTheLaterDevicesOut) {
    const SetUpFault& step = GetParam();
    const Lines lines = step.line[0] == '\0' ? Lines{} : Lines{step.line};
    devices().attachJoystick(true);
    backend.fail(step.fault, 1);
    InputEngine& input = start();
    EXPECT_EQ(logLines(), lines);
    EXPECT_EQ(devices().mouseCaptured(), step.mouseCaptured);
    EXPECT_EQ(devices().joystickOpen(), step.joystickOpen);
    EXPECT_EQ(input.isJoystickPresent(), step.joystickPresent);

    // Shutting down releases whatever was set up, without a word.
    engine.reset();
    EXPECT_EQ(logLines(), lines);
    EXPECT_FALSE(devices().mouseCaptured());
    EXPECT_FALSE(devices().joystickOpen());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryStep, InputEngineSetUpTest, ::testing::Values(
    SetUpFault{"none",                           "",                                                 true,  true,  true},
    SetUpFault{"input.create",                   "ERROR: Unable to create Direct Input object",      false, false, false},
    SetUpFault{"input.keyboard",                 "ERROR: Unable to create keyboard interface",       false, false, false},
    SetUpFault{"input.keyboardCooperativeLevel", "ERROR: Unable to set keyboard cooperation level",  false, false, false},
    SetUpFault{"input.keyboardDataFormat",       "ERROR: Unable to set keyboard data format",        false, false, false},
    SetUpFault{"input.keyboardAcquire",          "ERROR: Unable to aquire keyboard",                 true,  true,  true},
    SetUpFault{"input.mouse",                    "ERROR: Unable to create mouse device",             false, false, false},
    SetUpFault{"input.mouseCooperativeLevel",    "ERROR: Unable to set mouse cooperation level",     false, false, false},
    SetUpFault{"input.mouseDataFormat",          "ERROR: Unable to set mouse data format",           false, false, false},
    SetUpFault{"input.mouseAcquire",             "ERROR: Unable to aquire mouse",                    false, true,  true},
    SetUpFault{"input.enumJoysticks",            "ERROR: Unable to gather attached joysticks",       true,  false, false},
    SetUpFault{"input.joystick",                 "ERROR: Unable to create joystick device",          true,  false, false},
    SetUpFault{"input.joystickCooperativeLevel", "ERROR: Unable to set joystick cooperation level",  true,  true,  false},
    SetUpFault{"input.joystickDataFormat",       "ERROR: Unable to set joystick data format",        true,  true,  false},
    SetUpFault{"input.joystickRangeX",           "ERROR: Unable to set joystick X axis",             true,  true,  false},
    SetUpFault{"input.joystickRangeY",           "ERROR: Unable to set joystick Y axis",             true,  true,  false},
    SetUpFault{"input.joystickDeadZoneX",        "ERROR: Unable to set joystick X dead zone",        true,  true,  false},
    SetUpFault{"input.joystickDeadZoneY",        "ERROR: Unable to set joystick Y dead zone",        true,  true,  false},
    SetUpFault{"input.joystickAcquire",          "ERROR: Unable to aquire joystick",                 true,  true,  false}),
    [](const ::testing::TestParamInfo<SetUpFault>& info) {
        const std::string name = info.param.fault;
        const auto dot = name.find('.');
        return dot == std::string::npos ? name : name.substr(dot + 1);
    });
// clang-format on

TEST_F(InputEngineTest, WithoutJoystickTheSetUpEndsAtTheJoystickDevice) {
    InputEngine& input = start();
    EXPECT_EQ(logLines(), Lines{"ERROR: Unable to create joystick device"});
    EXPECT_FALSE(input.isJoystickPresent());
    EXPECT_TRUE(input.readKeyboard());
    EXPECT_TRUE(input.readMouse());
    EXPECT_FALSE(input.readJoystick());
    EXPECT_EQ(logLines().size(), 1u);
}

TEST_F(InputEngineTest, ShutdownReportsEachDeviceThatWillNotLetGo) {
    devices().attachJoystick(true);
    start();
    backend.fail("input.keyboardUnacquire", 1);
    backend.fail("input.mouseUnacquire", 1);
    backend.fail("input.joystickUnacquire", 1);
    engine.reset();
    EXPECT_EQ(logLines(),
              (Lines{"ERROR: Unable to unaquire keyboard", "ERROR: Unable to unaquire mouse",
                     "ERROR: Unable to unaquire joystick"}));
    // They are released all the same.
    EXPECT_FALSE(devices().mouseCaptured());
    EXPECT_FALSE(devices().joystickOpen());
}

TEST_F(InputEngineTest, FailedReadsKeepTheLastSnapshot) {
    devices().attachJoystick(true);
    InputEngine& input = start();
    devices().setKey(platform::DIK_SPACE, true);
    devices().moveMouse(7, 0);
    devices().setJoystickAxes(-32768, 0);
    ASSERT_TRUE(input.readKeyboard() && input.readMouse() && input.readJoystick());

    devices().setKey(platform::DIK_SPACE, false);
    devices().moveMouse(3, 0);
    devices().setJoystickAxes(32767, 0);
    backend.fail("input.keyboardRead", 1);
    backend.fail("input.mouseRead", 1);
    backend.fail("input.joystickPoll", 1);
    EXPECT_FALSE(input.readKeyboard());
    EXPECT_FALSE(input.readMouse());
    EXPECT_FALSE(input.readJoystick());
    backend.fail("input.joystickRead", 1);
    EXPECT_FALSE(input.readJoystick());
    EXPECT_EQ(logLines(),
              (Lines{"ERROR: Unable to read keyboard", "ERROR: Unable to read mouse",
                     "ERROR: Unable to poll joystick", "ERROR: Unable to get joystick state"}));
    EXPECT_EQ(input.getKeyboardState()[platform::DIK_SPACE], platform::pressed);
    EXPECT_EQ(input.getMouseState()->lX, 7);
    EXPECT_EQ(input.getJoystickState()->lX, -100);

    // Motion is not lost to a failed read.
    EXPECT_TRUE(input.readMouse());
    EXPECT_EQ(input.getMouseState()->lX, 3);
}

TEST_F(InputEngineTest, DevicesNeverCreatedReadNothing) {
    devices().attachJoystick(true);
    backend.fail("input.keyboard", 1);
    InputEngine& input = start();
    devices().setKey(platform::DIK_A, true);
    EXPECT_FALSE(input.readKeyboard());
    EXPECT_FALSE(input.readMouse());
    EXPECT_FALSE(input.readJoystick());
    EXPECT_EQ(input.getKeyboardState()[platform::DIK_A], 0);
    EXPECT_EQ(logLines(), Lines{"ERROR: Unable to create keyboard interface"});
}
