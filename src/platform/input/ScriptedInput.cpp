#include "platform/input/ScriptedInput.h"

#include <algorithm>

namespace platform {

void ScriptedInput::setKey(int code, bool down) {
    if (code >= 0 && code < static_cast<int>(keys.size())) keys[code] = down ? pressed : 0;
}

void ScriptedInput::moveMouse(int dx, int dy, int dz) {
    mouse.dx += dx;
    mouse.dy += dy;
    mouse.dz += dz;
}

void ScriptedInput::setMouseButton(int button, bool down) {
    if (button >= 0 && button < static_cast<int>(mouse.buttons.size())) {
        mouse.buttons[button] = down;
    }
}

void ScriptedInput::attachJoystick(bool attach) {
    attached = attach;
    // Unplugging takes the open joystick with it.
    if (!attach) opened = false;
}

void ScriptedInput::setJoystickAxes(int x, int y) {
    joystick.x = std::clamp(x, -32768, 32767);
    joystick.y = std::clamp(y, -32768, 32767);
}

void ScriptedInput::setJoystickButton(int button, bool down) {
    if (button >= 0 && button < JoystickReading::buttonCount) joystick.buttons[button] = down;
}

void ScriptedInput::captureMouse() {
    captured = true;
    mouse.dx = mouse.dy = mouse.dz = 0;
}

void ScriptedInput::readMouse(MouseReading& out) {
    out = mouse;
    mouse.dx = mouse.dy = mouse.dz = 0;
}

bool ScriptedInput::openJoystick(int number) {
    if (!attached || opened || number != 1) return false;
    opened = true;
    return true;
}

bool ScriptedInput::readJoystick(JoystickReading& out) {
    if (!opened) return false;
    out = joystick;
    return true;
}

}  // namespace platform
