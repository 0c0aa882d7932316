#include "platform/headless/HeadlessInput.h"

#include <algorithm>

namespace platform {

void HeadlessInput::setKey(int code, bool down) {
    if (code >= 0 && code < static_cast<int>(keys.size())) keys[code] = down ? pressed : 0;
}

void HeadlessInput::moveMouse(int dx, int dy, int dz) {
    mouse.dx += dx;
    mouse.dy += dy;
    mouse.dz += dz;
}

void HeadlessInput::setMouseButton(int button, bool down) {
    if (button >= 0 && button < static_cast<int>(mouse.buttons.size())) {
        mouse.buttons[button] = down;
    }
}

void HeadlessInput::attachJoystick(bool attach) {
    attached = attach;
    // Unplugging takes the open joystick with it.
    if (!attach) opened = false;
}

void HeadlessInput::setJoystickAxes(int x, int y) {
    joystick.x = std::clamp(x, -32768, 32767);
    joystick.y = std::clamp(y, -32768, 32767);
}

void HeadlessInput::setJoystickButton(int button, bool down) {
    if (button >= 0 && button < JoystickReading::buttonCount) joystick.buttons[button] = down;
}

void HeadlessInput::captureMouse() {
    captured = true;
    mouse.dx = mouse.dy = mouse.dz = 0;
}

void HeadlessInput::readMouse(MouseReading& out) {
    out = mouse;
    mouse.dx = mouse.dy = mouse.dz = 0;
}

bool HeadlessInput::openJoystick(int number) {
    if (!attached || opened || number != 1) return false;
    opened = true;
    return true;
}

bool HeadlessInput::readJoystick(JoystickReading& out) {
    if (!opened) return false;
    out = joystick;
    return true;
}

}  // namespace platform
