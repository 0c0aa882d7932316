#pragma once

#include "platform/input/InputHardware.h"

namespace platform {

// Keyboard, mouse and joystick whose state tests and scripts set. No joystick is attached
// until one is asked for.
class ScriptedInput : public InputHardware {
public:
    // Codes outside 0 to 255 are ignored.
    void setKey(int code, bool down);
    bool keyDown(int code) const { return code >= 0 && code < 256 && (keys[code] & 0x80) != 0; }
    // Adds to the motion the next reading reports.
    void moveMouse(int dx, int dy, int dz = 0);
    // Buttons in snapshot order: 0 left, 1 right, 2 middle, 3 the first side button.
    void setMouseButton(int button, bool down);
    void attachJoystick(bool attached);
    // Raw positions, -32768 to 32767 (beyond that: the end), left and up negative.
    void setJoystickAxes(int x, int y);
    void setJoystickButton(int button, bool down);

    bool mouseCaptured() const { return captured; }
    bool joystickOpen() const { return opened; }

    void readKeys(KeyboardState& out) override { out = keys; }
    void captureMouse() override;
    void releaseMouse() override { captured = false; }
    void readMouse(MouseReading& out) override;
    int attachedJoysticks() override { return attached ? 1 : 0; }
    bool openJoystick(int number) override;
    void closeJoystick() override { opened = false; }
    bool readJoystick(JoystickReading& out) override;

private:
    KeyboardState keys = {};
    MouseReading mouse;
    bool captured = false;
    bool attached = false;
    bool opened = false;
    JoystickReading joystick;
};

}  // namespace platform
