#include "platform/input/JoystickDevice.h"

#include "platform/Backend.h"

namespace platform {

JoystickDevice::JoystickDevice()
    : InputDevice(DataFormat::joystick,
                  {"input.joystickCooperativeLevel", "input.joystickDataFormat",
                   "input.joystickAcquire", "input.joystickUnacquire"}) {}

JoystickDevice::~JoystickDevice() {
    hardware().closeJoystick();
}

bool JoystickDevice::setAxisRange(JoystickAxis axis, int min, int max) {
    if (backend().faultInjected(axis == JoystickAxis::x ? "input.joystickRangeX"
                                                        : "input.joystickRangeY")) {
        return false;
    }
    if (min >= max) return false;
    settings(axis).min = min;
    settings(axis).max = max;
    return true;
}

bool JoystickDevice::setAxisDeadZone(JoystickAxis axis, int deadZone) {
    if (backend().faultInjected(axis == JoystickAxis::x ? "input.joystickDeadZoneX"
                                                        : "input.joystickDeadZoneY")) {
        return false;
    }
    if (deadZone < 0 || deadZone > 10000) return false;
    settings(axis).deadZone = deadZone;
    return true;
}

bool JoystickDevice::poll() {
    if (backend().faultInjected("input.joystickPoll") || !acquired()) return false;
    return hardware().readJoystick(reading);
}

bool JoystickDevice::getState(JoystickState& state) {
    if (backend().faultInjected("input.joystickRead") || !acquired()) return false;
    state.lX = scaleAxis(reading.x, axisX);
    state.lY = scaleAxis(reading.y, axisY);
    for (int i = 0; i < JoystickReading::buttonCount; ++i) {
        state.rgbButtons[i] = reading.buttons[i] ? pressed : 0;
    }
    return true;
}

}  // namespace platform
