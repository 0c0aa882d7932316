#pragma once

#include <memory>

#include "platform/input/InputState.h"
#include "platform/input/InputSystem.h"
#include "platform/window/WindowTypes.h"

// Reads the keyboard, the mouse and, when one is attached, the first joystick: one snapshot of
// each per frame. The keyboard and the mouse deliver only while the window has the focus; the
// joystick is shared with other programs and keeps delivering in the background.
class InputEngine {
public:
    // Sets up the three devices; failures are logged and leave the later devices out.
    InputEngine(platform::Instance instance, platform::WindowHandle window);
    ~InputEngine();
    InputEngine(const InputEngine&) = delete;
    InputEngine& operator=(const InputEngine&) = delete;

    // Each read fills its snapshot and answers true, or keeps the last good one and answers
    // false. A device that was never created reads nothing.
    bool readKeyboard();
    bool readMouse();
    // False without a log line when there is no joystick.
    bool readJoystick();

    const std::uint8_t* getKeyboardState() const { return keyboardState.data(); }
    const platform::MouseState* getMouseState() const { return &mouseState; }
    const platform::JoystickState* getJoystickState() const { return &joystickState; }
    bool isJoystickPresent() const { return joystickPresent; }

private:
    bool setUpKeyboard(platform::WindowHandle window);
    bool setUpMouse(platform::WindowHandle window);
    void setUpJoystick(platform::WindowHandle window);

    bool aquireKeyboard();
    bool aquireMouse();
    bool aquireJoystick();
    bool unaquireKeyboard();
    bool unaquireMouse();
    bool unaquireJoystick();

    std::unique_ptr<platform::InputSystem> diObject;
    std::unique_ptr<platform::KeyboardDevice> keyboardDevice;
    std::unique_ptr<platform::MouseDevice> mouseDevice;
    // Our joystick device polls by itself; there is no second interface to ask it for.
    std::unique_ptr<platform::JoystickDevice> joystickDevice;
    platform::KeyboardState keyboardState = {};
    platform::MouseState mouseState;
    platform::JoystickState joystickState;
    platform::DeviceId joystickGuid;
    bool joystickPresent = false;
};

// The enumeration's callback: keeps the first joystick reported, in the id `context` points to,
// and stops there.
platform::EnumResult gatherJoysticks(const platform::DeviceInstance* instance, void* context);
