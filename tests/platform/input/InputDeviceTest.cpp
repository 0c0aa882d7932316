#include <memory>

#include "platform/input/InputSystem.h"
#include "platform/input/KeyCodes.h"
#include "support/WindowTest.h"

using platform::DataFormat;

namespace {

constexpr std::uint32_t shared =
    platform::cooperation::nonExclusive | platform::cooperation::background;

}  // namespace

class InputDeviceTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        system = platform::InputSystem::create();
        ASSERT_TRUE(system);
    }

    template <typename Device>
    void prepare(Device& device, DataFormat format) {
        ASSERT_TRUE(device.setCooperativeLevel(windowHandle(), shared));
        ASSERT_TRUE(device.setDataFormat(format));
        ASSERT_TRUE(device.acquire());
    }

    std::unique_ptr<platform::InputSystem> system;
};

TEST_F(InputDeviceTest, MouseReportsMotionSinceTheLastSnapshot) {
    auto mouse = system->createMouse();
    devices().moveMouse(50, 50);
    prepare(*mouse, DataFormat::mouse);
    EXPECT_TRUE(devices().mouseCaptured());

    platform::MouseState state;
    ASSERT_TRUE(mouse->getState(state));
    EXPECT_EQ(state.lX, 0) << "motion before the acquire does not count";
    devices().moveMouse(3, -4, 120);
    devices().moveMouse(2, 0);
    devices().setMouseButton(1, true);
    ASSERT_TRUE(mouse->getState(state));
    EXPECT_EQ(state.lX, 5);
    EXPECT_EQ(state.lY, -4);
    EXPECT_EQ(state.lZ, 120);
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_EQ(state.rgbButtons[1], platform::pressed);
    ASSERT_TRUE(mouse->getState(state));
    EXPECT_EQ(state.lX, 0);
    EXPECT_EQ(state.lY, 0);

    mouse.reset();
    EXPECT_FALSE(devices().mouseCaptured()) << "a released mouse lets the pointer go";
}

TEST_F(InputDeviceTest, JoystickScalesWithItsOwnSettingsAtEachPoll) {
    devices().attachJoystick(true);
    auto joystick = system->createJoystick(platform::DeviceId{1});
    ASSERT_TRUE(joystick);
    EXPECT_FALSE(joystick->setAxisRange(platform::JoystickAxis::x, 10, 10));
    EXPECT_FALSE(joystick->setAxisDeadZone(platform::JoystickAxis::x, 10001));
    ASSERT_TRUE(joystick->setAxisRange(platform::JoystickAxis::x, -100, 100));
    ASSERT_TRUE(joystick->setAxisDeadZone(platform::JoystickAxis::x, 1000));
    prepare(*joystick, DataFormat::joystick);

    devices().setJoystickAxes(16384, -32768);
    devices().setJoystickButton(9, true);
    platform::JoystickState state;
    ASSERT_TRUE(joystick->getState(state));
    EXPECT_EQ(state.lX, 0) << "nothing until polled";
    ASSERT_TRUE(joystick->poll());
    ASSERT_TRUE(joystick->getState(state));
    EXPECT_EQ(state.lX, 44);
    EXPECT_EQ(state.lY, 0) << "Y keeps the untouched range 0 to 65535";
    EXPECT_EQ(state.rgbButtons[9], platform::pressed);

    devices().attachJoystick(false);
    EXPECT_FALSE(joystick->poll()) << "unplugged";
}
