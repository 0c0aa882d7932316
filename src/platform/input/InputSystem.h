#pragma once

#include <memory>

#include "platform/input/JoystickDevice.h"
#include "platform/input/KeyboardDevice.h"
#include "platform/input/MouseDevice.h"

namespace platform {

// Names one attached device as the enumeration numbers them; the default names none.
struct DeviceId {
    int number = 0;
    friend bool operator==(const DeviceId&, const DeviceId&) = default;
};

// What an enumeration reports of each device.
struct DeviceInstance {
    DeviceId id;
};

enum class EnumResult { next, stop };
using DeviceCallback = EnumResult (*)(const DeviceInstance* instance, void* context);

// The device-input object: makes the keyboard, mouse and joystick devices and lists the
// attached joysticks.
class InputSystem {
public:
    // Null when the machine offers no input.
    static std::unique_ptr<InputSystem> create();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    std::unique_ptr<KeyboardDevice> createKeyboard();
    std::unique_ptr<MouseDevice> createMouse();
    // Reports the joysticks attached now, in order, until the callback answers stop.
    bool enumJoysticks(DeviceCallback callback, void* context);
    // Null for an id that names no attached joystick, or when one is already open.
    std::unique_ptr<JoystickDevice> createJoystick(DeviceId id);

private:
    InputSystem() = default;
};

}  // namespace platform
