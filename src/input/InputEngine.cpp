#include "input/InputEngine.h"

#include "log/Log.h"

namespace {

constexpr std::uint32_t sharedInBackground =
    platform::cooperation::nonExclusive | platform::cooperation::background;

// The stick reads -100 to 100 on each axis and 0 within the central tenth.
constexpr int axisMin = -100;
constexpr int axisMax = 100;
constexpr int axisDeadZone = 1000;

}  // namespace

platform::EnumResult gatherJoysticks(const platform::DeviceInstance* instance, void* context) {
    *static_cast<platform::DeviceId*>(context) = instance->id;
    return platform::EnumResult::stop;
}

InputEngine::InputEngine(platform::Instance, platform::WindowHandle window) {
    diObject = platform::InputSystem::create();
    if (!diObject) {
        logLine("ERROR: Unable to create Direct Input object");
        return;
    }
    if (!setUpKeyboard(window) || !setUpMouse(window)) return;
    setUpJoystick(window);
}

InputEngine::~InputEngine() {
    if (keyboardDevice) {
        unaquireKeyboard();
        keyboardDevice.reset();
    }
    if (mouseDevice) {
        unaquireMouse();
        mouseDevice.reset();
    }
    if (joystickDevice) {
        unaquireJoystick();
        joystickDevice.reset();
    }
    diObject.reset();
}

bool InputEngine::setUpKeyboard(platform::WindowHandle window) {
    keyboardDevice = diObject->createKeyboard();
    if (!keyboardDevice) {
        logLine("ERROR: Unable to create keyboard interface");
        return false;
    }
    if (!keyboardDevice->setCooperativeLevel(window, sharedInBackground)) {
        logLine("ERROR: Unable to set keyboard cooperation level");
        return false;
    }
    if (!keyboardDevice->setDataFormat(platform::DataFormat::keyboard)) {
        logLine("ERROR: Unable to set keyboard data format");
        return false;
    }
    aquireKeyboard();
    return true;
}

bool InputEngine::setUpMouse(platform::WindowHandle window) {
    mouseDevice = diObject->createMouse();
    if (!mouseDevice) {
        logLine("ERROR: Unable to create mouse device");
        return false;
    }
    if (!mouseDevice->setCooperativeLevel(window, sharedInBackground)) {
        logLine("ERROR: Unable to set mouse cooperation level");
        return false;
    }
    if (!mouseDevice->setDataFormat(platform::DataFormat::mouse)) {
        logLine("ERROR: Unable to set mouse data format");
        return false;
    }
    aquireMouse();
    return true;
}

void InputEngine::setUpJoystick(platform::WindowHandle window) {
    using platform::JoystickAxis;
    joystickPresent = false;
    if (!diObject->enumJoysticks(gatherJoysticks, &joystickGuid)) {
        logLine("ERROR: Unable to gather attached joysticks");
        return;
    }
    // Without a joystick the id names nothing and no device comes.
    joystickDevice = diObject->createJoystick(joystickGuid);
    if (!joystickDevice) {
        logLine("ERROR: Unable to create joystick device");
        return;
    }
    if (!joystickDevice->setCooperativeLevel(window, sharedInBackground)) {
        logLine("ERROR: Unable to set joystick cooperation level");
        return;
    }
    if (!joystickDevice->setDataFormat(platform::DataFormat::joystick)) {
        logLine("ERROR: Unable to set joystick data format");
        return;
    }
    if (!joystickDevice->setAxisRange(JoystickAxis::x, axisMin, axisMax)) {
        logLine("ERROR: Unable to set joystick X axis");
        return;
    }
    if (!joystickDevice->setAxisRange(JoystickAxis::y, axisMin, axisMax)) {
        logLine("ERROR: Unable to set joystick Y axis");
        return;
    }
    if (!joystickDevice->setAxisDeadZone(JoystickAxis::x, axisDeadZone)) {
        logLine("ERROR: Unable to set joystick X dead zone");
        return;
    }
    if (!joystickDevice->setAxisDeadZone(JoystickAxis::y, axisDeadZone)) {
        logLine("ERROR: Unable to set joystick Y dead zone");
        return;
    }
    joystickPresent = true;
    aquireJoystick();
}

bool InputEngine::aquireKeyboard() {
    if (!keyboardDevice->acquire()) {
        logLine("ERROR: Unable to aquire keyboard");
        return false;
    }
    return true;
}

bool InputEngine::aquireMouse() {
    if (!mouseDevice->acquire()) {
        logLine("ERROR: Unable to aquire mouse");
        return false;
    }
    return true;
}

bool InputEngine::aquireJoystick() {
    if (!joystickDevice->acquire()) {
        logLine("ERROR: Unable to aquire joystick");
        joystickPresent = false;
        return false;
    }
    return true;
}

bool InputEngine::unaquireKeyboard() {
    if (!keyboardDevice->unacquire()) {
        logLine("ERROR: Unable to unaquire keyboard");
        return false;
    }
    return true;
}

bool InputEngine::unaquireMouse() {
    if (!mouseDevice->unacquire()) {
        logLine("ERROR: Unable to unaquire mouse");
        return false;
    }
    return true;
}

bool InputEngine::unaquireJoystick() {
    if (!joystickPresent) return false;
    if (!joystickDevice->unacquire()) {
        logLine("ERROR: Unable to unaquire joystick");
        return false;
    }
    return true;
}

bool InputEngine::readKeyboard() {
    if (!keyboardDevice) return false;
    if (!keyboardDevice->getState(keyboardState)) {
        logLine("ERROR: Unable to read keyboard");
        return false;
    }
    return true;
}

bool InputEngine::readMouse() {
    if (!mouseDevice) return false;
    if (!mouseDevice->getState(mouseState)) {
        logLine("ERROR: Unable to read mouse");
        return false;
    }
    return true;
}

bool InputEngine::readJoystick() {
    if (!joystickPresent) return false;
    if (!joystickDevice->poll()) {
        logLine("ERROR: Unable to poll joystick");
        return false;
    }
    if (!joystickDevice->getState(joystickState)) {
        logLine("ERROR: Unable to get joystick state");
        return false;
    }
    return true;
}
