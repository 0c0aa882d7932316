#pragma once

#include "platform/input/InputHardware.h"

namespace platform {

// Sees what the game reads of the machine as it reads it: the key snapshots, the mouse's motion
// and buttons, the joystick, the close requests and Escape. A session recorder listens here.
class SessionTap {
public:
    SessionTap() = default;
    SessionTap(const SessionTap&) = delete;
    SessionTap& operator=(const SessionTap&) = delete;
    virtual ~SessionTap() = default;

    virtual void keysRead(const KeyboardState& keys) = 0;
    virtual void mouseRead(const MouseReading& reading) = 0;
    virtual void joystickRead(const JoystickReading& reading) = 0;
    virtual void closeTaken() = 0;
    virtual void escapeSeen() = 0;
};

}  // namespace platform
