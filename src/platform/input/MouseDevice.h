#pragma once

#include "platform/input/InputDevice.h"
#include "platform/input/InputState.h"

namespace platform {

// The system mouse: motion since the previous snapshot and the buttons. While acquired it keeps
// the pointer to itself where the machine allows, so the motion does not stop at the edges.
class MouseDevice : public InputDevice {
public:
    ~MouseDevice() override;
    // Fills the snapshot; false, with the snapshot untouched, unless the device is acquired.
    bool getState(MouseState& state);

private:
    friend class InputSystem;
    MouseDevice();
    void start() override;
    void stop() override;
};

}  // namespace platform
