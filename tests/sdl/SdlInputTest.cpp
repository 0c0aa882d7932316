#include <gtest/gtest.h>

#include <array>

#include "platform/sdl/SdlInput.h"

// The joystick path against SDL's own virtual devices: a pad SDL knows the layout of, and a
// stick it does not.
class SdlJoystickTest : public ::testing::TestWithParam<SDL_JoystickType> {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        deviceIndex = SDL_JoystickAttachVirtual(GetParam(), 6, 15, 0);
        ASSERT_GE(deviceIndex, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(deviceIndex);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        ASSERT_GE(input.attachedJoysticks(), deviceIndex + 1);
        ASSERT_TRUE(input.openJoystick(deviceIndex + 1));
    }

    void TearDown() override {
        input.closeJoystick();
        if (stick != nullptr) SDL_JoystickClose(stick);
        SDL_JoystickDetachVirtual(deviceIndex);
        SDL_Quit();
    }

    platform::SdlInput input;
    SDL_Joystick* stick = nullptr;
    int deviceIndex = -1;
};

TEST_P(SdlJoystickTest, ReadsTheStickAndTheFirstTenButtons) {
    EXPECT_FALSE(input.openJoystick(deviceIndex + 1)) << "one at a time";
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    SDL_JoystickSetVirtualAxis(stick, 1, 16384);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(stick, 9, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(stick, 10, SDL_PRESSED);
    platform::JoystickReading reading;
    ASSERT_TRUE(input.readJoystick(reading));
    EXPECT_EQ(reading.x, -32768);
    EXPECT_EQ(reading.y, 16384);
    EXPECT_EQ(reading.buttons, (std::array<bool, 10>{true, false, false, false, false, false, false,
                                                     false, false, true}));
}

INSTANTIATE_TEST_SUITE_P(KnownAndUnknownLayouts, SdlJoystickTest,
                         ::testing::Values(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_JOYSTICK_TYPE_FLIGHT_STICK),
                         [](const ::testing::TestParamInfo<SDL_JoystickType>& info) {
                             return info.param == SDL_JOYSTICK_TYPE_GAMECONTROLLER ? "pad"
                                                                                   : "stick";
                         });
