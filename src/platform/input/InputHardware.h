#pragma once

#include <array>

#include "platform/input/InputState.h"

namespace platform {

// What the mouse reports: motion since the last reading and the buttons in snapshot order.
struct MouseReading {
    int dx = 0;
    int dy = 0;
    int dz = 0;
    std::array<bool, 4> buttons = {};
};

// What the joystick reports: X and Y as the hardware gives them, -32768 to 32767, left and up
// negative, and its first ten buttons.
struct JoystickReading {
    static constexpr int buttonCount = 10;
    int x = 0;
    int y = 0;
    std::array<bool, buttonCount> buttons = {};
};

// The keyboard, mouse and joysticks as a backend reaches them. The input device objects check
// their own rules and hand over only readings that they may take.
class InputHardware {
public:
    InputHardware() = default;
    InputHardware(const InputHardware&) = delete;
    InputHardware& operator=(const InputHardware&) = delete;
    virtual ~InputHardware() = default;

    // The key state now, 0x80 for every key that is down, 0 for the others.
    virtual void readKeys(KeyboardState& keys) = 0;

    // The mouse's motion counts only while it is captured; capturing forgets earlier motion.
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual void readMouse(MouseReading& reading) = 0;

    // Joysticks attached now, numbered from 1; one of them can be open at a time.
    virtual int attachedJoysticks() = 0;
    virtual bool openJoystick(int number) = 0;
    virtual void closeJoystick() = 0;
    // False, with the reading untouched, when the open joystick has gone.
    virtual bool readJoystick(JoystickReading& reading) = 0;
};

}  // namespace platform
