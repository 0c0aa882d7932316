#include "platform/input/KeyboardDevice.h"

#include "platform/Backend.h"
#include "platform/input/InputHardware.h"

namespace platform {

KeyboardDevice::KeyboardDevice()
    : InputDevice(DataFormat::keyboard,
                  {Fault::inputKeyboardCooperativeLevel, Fault::inputKeyboardDataFormat,
                   Fault::inputKeyboardAcquire, Fault::inputKeyboardUnacquire}) {}

bool KeyboardDevice::getState(KeyboardState& state) {
    if (backend().faultInjected(Fault::inputKeyboardRead) || !acquired()) return false;
    hardware().readKeys(state);
    return true;
}

}  // namespace platform
