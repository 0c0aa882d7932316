#pragma once

#include <optional>
#include <string>

#include "platform/input/KeyCodes.h"

// The player's control assignments, read from "controls.cfg" in the working directory when the
// pilot is made, at every battle's set-up. A code is a key or a joystick button as
// engine/ControlCodes.h numbers them; the craft never asks the mouse.
class Pilot {
public:
    // The name is not used.
    explicit Pilot(std::string name);

    bool usingJoystick() const { return usingJoy; }
    int getInputFacing() const { return inputFacing; }
    int getInputAcceleration() const { return inputAcceleration; }
    int getInputShootStr() const { return inputShootStr; }
    int getInputShootUp() const { return inputShootUp; }
    int getInputShootDown() const { return inputShootDown; }
    int getInputModeUp() const { return inputModeUp; }
    int getInputModeDown() const { return inputModeDown; }
    int getKeyboardUp() const { return keyboardUp; }
    int getKeyboardDown() const { return keyboardDown; }
    int getKeyboardLeft() const { return keyboardLeft; }
    int getKeyboardRight() const { return keyboardRight; }

    // A file bigger than this is read up to here, as if it ended there.
    static constexpr long long maximumFileBytes = 64ll << 20;

private:
    // Entry n of the file, counting from 0 (the joystick flag); nothing when no line has given
    // a number yet.
    void assign(int entry, std::optional<int> value);

    // What an entry that the file does not give keeps: the shipped layout, steering with the
    // keys.
    bool usingJoy = false;
    int inputFacing = platform::DIK_Z;
    int inputAcceleration = platform::DIK_SPACE;
    int inputShootUp = platform::DIK_E;
    int inputShootDown = platform::DIK_C;
    int inputShootStr = platform::DIK_D;
    int inputModeUp = platform::DIK_W;
    int inputModeDown = platform::DIK_S;
    int keyboardUp = platform::DIK_UP;
    int keyboardDown = platform::DIK_DOWN;
    int keyboardLeft = platform::DIK_LEFT;
    int keyboardRight = platform::DIK_RIGHT;
};
