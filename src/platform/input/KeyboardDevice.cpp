#include "platform/input/KeyboardDevice.h"

#include "platform/Backend.h"
#include "platform/input/InputHardware.h"

namespace platform {

KeyboardDevice::KeyboardDevice()
    : InputDevice(DataFormat::keyboard,
                  {"input.keyboardCooperativeLevel", "input.keyboardDataFormat",
                   "input.keyboardAcquire", "input.keyboardUnacquire"}) {}

bool KeyboardDevice::getState(KeyboardState& state) {
    if (backend().faultInjected("input.keyboardRead") || !acquired()) return false;
    hardware().readKeys(state);
    return true;
}

}  // namespace platform
