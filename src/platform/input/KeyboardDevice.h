#pragma once

#include "platform/input/InputDevice.h"
#include "platform/input/InputState.h"

namespace platform {

// The system keyboard: the state of every key at once.
class KeyboardDevice : public InputDevice {
public:
    // Fills the snapshot; false, with the snapshot untouched, unless the device is acquired.
    bool getState(KeyboardState& state);

private:
    friend class InputSystem;
    KeyboardDevice();
};

}  // namespace platform
