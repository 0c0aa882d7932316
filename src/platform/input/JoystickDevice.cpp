#include "platform/input/JoystickDevice.h"

#include "platform/Backend.h"

namespace platform {

JoystickDevice::JoystickDevice()
    : InputDevice(DataFormat::joystick,
                  {Fault::inputJoystickCooperativeLevel, Fault::inputJoystickDataFormat,
                   Fault::inputJoystickAcquire, Fault::inputJoystickUnacquire}) {}

JoystickDevice::~JoystickDevice() {
    hardware().closeJoystick();
}

bool JoystickDevice::setAxisRange(JoystickAxis axis, int min, int max) {
    if (backend().faultInjected(axis == JoystickAxis::x ? Fault::inputJoystickRangeX
                                                        : Fault::inputJoystickRangeY)) {
        return false;
    }
    if (min >= max) return false;
    settings(axis).min = min;
    settings(axis).max = max;
    return true;
}

bool JoystickDevice::setAxisDeadZone(JoystickAxis axis, int deadZone) {
    if (backend().faultInjected(axis == JoystickAxis::x ? Fault::inputJoystickDeadZoneX
                                                        : Fault::inputJoystickDeadZoneY)) {
        return false;
    }
    if (deadZone < 0 || deadZone > 10000) return false;
    settings(axis).deadZone = deadZone;
    return true;
}

bool JoystickDevice::poll() {
    if (backend().faultInjected(Fault::inputJoystickPoll) || !acquired()) return false;
    return hardware().readJoystick(reading);
}

bool JoystickDevice::getState(JoystickState& state) {
    if (backend().faultInjected(Fault::inputJoystickRead) || !acquired()) return false;
    state.lX = scaleAxis(reading.x, axisX);
    state.lY = scaleAxis(reading.y, axisY);
    for (int i = 0; i < JoystickReading::buttonCount; ++i) {
        state.rgbButtons[i] = reading.buttons[i] ? pressed : 0;
    }
    return true;
}

}  // namespace platform
