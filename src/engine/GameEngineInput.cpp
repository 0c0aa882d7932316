#include "engine/ControlCodes.h"
#include "engine/GameEngine.h"
#include "input/InputEngine.h"

namespace {

// The last decimal digit of a button number, keeping its sign: -3 stays -3.
int lastDigit(int button) {
    return button % 10;
}

bool down(std::uint8_t state) {
    return (state & platform::pressed) != 0;
}

}  // namespace

bool GameEngine::readInput() {
    if (!input) return false;
    if (!input->readKeyboard()) return false;
    if (!input->readMouse()) return false;
    // No joystick is no failure: without one the mouse must still move the cursor.
    if (!input->readJoystick() && input->isJoystickPresent()) return false;
    const platform::MouseState* mouse = input->getMouseState();
    mouseX += mouse->lX;
    mouseY += mouse->lY;
    return true;
}

bool GameEngine::getKeyState(int key) const {
    // Codes outside the snapshot name no key.
    if (!input || key < 0 || key >= controlcode::keyCodes) return false;
    return down(input->getKeyboardState()[key]);
}

bool GameEngine::getMouseButtonState(int button) const {
    const int index = lastDigit(button);
    if (!input || index < 0 || index > 3) return false;
    return down(input->getMouseState()->rgbButtons[index]);
}

bool GameEngine::joystickPresent() const {
    return input && input->isJoystickPresent();
}

bool GameEngine::getJoystickButtonState(int button) const {
    const int index = lastDigit(button);
    if (!joystickPresent() || index < 0) return false;
    return down(input->getJoystickState()->rgbButtons[index]);
}

bool GameEngine::getJoystickUp() const {
    return joystickPresent() && input->getJoystickState()->lY < 0;
}

bool GameEngine::getJoystickDown() const {
    return joystickPresent() && input->getJoystickState()->lY > 0;
}

bool GameEngine::getJoystickLeft() const {
    return joystickPresent() && input->getJoystickState()->lX < 0;
}

bool GameEngine::getJoystickRight() const {
    return joystickPresent() && input->getJoystickState()->lX > 0;
}
