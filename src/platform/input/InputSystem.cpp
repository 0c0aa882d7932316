#include "platform/input/InputSystem.h"

#include "platform/Backend.h"
#include "platform/input/InputHardware.h"

namespace platform {

std::unique_ptr<InputSystem> InputSystem::create() {
    if (backend().faultInjected(Fault::inputCreate)) return nullptr;
    return std::unique_ptr<InputSystem>(new InputSystem());
}

std::unique_ptr<KeyboardDevice> InputSystem::createKeyboard() {
    if (backend().faultInjected(Fault::inputKeyboard)) return nullptr;
    return std::unique_ptr<KeyboardDevice>(new KeyboardDevice());
}

std::unique_ptr<MouseDevice> InputSystem::createMouse() {
    if (backend().faultInjected(Fault::inputMouse)) return nullptr;
    return std::unique_ptr<MouseDevice>(new MouseDevice());
}

bool InputSystem::enumJoysticks(DeviceCallback callback, void* context) {
    Backend& b = backend();
    if (b.faultInjected(Fault::inputEnumJoysticks) || callback == nullptr) return false;
    const int count = b.inputHardware().attachedJoysticks();
    for (int number = 1; number <= count; ++number) {
        const DeviceInstance instance{DeviceId{number}};
        if (callback(&instance, context) == EnumResult::stop) break;
    }
    return true;
}

std::unique_ptr<JoystickDevice> InputSystem::createJoystick(DeviceId id) {
    Backend& b = backend();
    if (b.faultInjected(Fault::inputJoystick)) return nullptr;
    InputHardware& hardware = b.inputHardware();
    if (id.number < 1 || id.number > hardware.attachedJoysticks()) return nullptr;
    if (!hardware.openJoystick(id.number)) return nullptr;
    return std::unique_ptr<JoystickDevice>(new JoystickDevice());
}

}  // namespace platform
