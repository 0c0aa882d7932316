#pragma once

#include "platform/input/AxisScale.h"
#include "platform/input/InputDevice.h"
#include "platform/input/InputHardware.h"
#include "platform/input/InputState.h"

namespace platform {

enum class JoystickAxis { x, y };

// One joystick or game pad. Its state changes only when it is polled; the snapshot gives X and
// Y on the range and dead zone set for each axis (until set: 0 to 65535, no dead zone).
class JoystickDevice : public InputDevice {
public:
    ~JoystickDevice() override;

    // The range needs min below max.
    bool setAxisRange(JoystickAxis axis, int min, int max);
    // In ten-thousandths of the travel from the centre to either end, 0 to 10000.
    bool setAxisDeadZone(JoystickAxis axis, int deadZone);

    // Takes the stick's current position and buttons; false when not acquired or unplugged.
    bool poll();
    // Fills the snapshot from the last poll; false, with the snapshot untouched, unless the
    // device is acquired.
    bool getState(JoystickState& state);

private:
    friend class InputSystem;
    JoystickDevice();
    AxisSettings& settings(JoystickAxis axis) { return axis == JoystickAxis::x ? axisX : axisY; }

    AxisSettings axisX;
    AxisSettings axisY;
    JoystickReading reading;
};

}  // namespace platform
