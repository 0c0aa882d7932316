#include "platform/input/MouseDevice.h"

#include "platform/Backend.h"
#include "platform/input/InputHardware.h"

namespace platform {

MouseDevice::MouseDevice()
    : InputDevice(DataFormat::mouse,
                  {Fault::inputMouseCooperativeLevel, Fault::inputMouseDataFormat,
                   Fault::inputMouseAcquire, Fault::inputMouseUnacquire}) {}

// Letting go of an acquired mouse gives the pointer back.
MouseDevice::~MouseDevice() {
    if (acquired()) stop();
}

void MouseDevice::start() {
    hardware().captureMouse();
}

void MouseDevice::stop() {
    hardware().releaseMouse();
}

bool MouseDevice::getState(MouseState& state) {
    if (backend().faultInjected(Fault::inputMouseRead) || !acquired()) return false;
    MouseReading reading;
    hardware().readMouse(reading);
    state.lX = reading.dx;
    state.lY = reading.dy;
    state.lZ = reading.dz;
    for (int i = 0; i < 4; ++i) state.rgbButtons[i] = reading.buttons[i] ? pressed : 0;
    return true;
}

}  // namespace platform
