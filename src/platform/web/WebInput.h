#pragma once

#include <array>
#include <cstdint>

#include "platform/input/InputHardware.h"
#include "platform/input/MouseScale.h"

namespace platform {

// Keyboard, mouse and the first gamepad of the page. Keys are read from the whole window, not
// only a focused canvas; the mouse over the canvas, and everywhere once the pointer is locked to
// it; the gamepads through the Gamepad API, sampled at each reading.
class WebInput : public InputHardware {
public:
    // `canvas`: the CSS selector of the picture.
    explicit WebInput(const char* canvas);
    ~WebInput() override;
    WebInput(const WebInput&) = delete;
    WebInput& operator=(const WebInput&) = delete;

    // A key counts as down when it is held now or was pressed since the last snapshot, so a
    // tap shorter than a frame is not lost.
    void readKeys(KeyboardState& keys) override;
    void captureMouse() override;
    void releaseMouse() override;
    void readMouse(MouseReading& reading) override;
    int attachedJoysticks() override;
    bool openJoystick(int number) override;
    void closeJoystick() override;
    bool readJoystick(JoystickReading& reading) override;

    // Every key and button reads as released: the page lost the focus, or the player types
    // into the page's own fields.
    void releaseAll();
    void keyChanged(std::uint8_t code, bool down);
    // The button in snapshot order (left, right, middle, first side button).
    void buttonChanged(int button, bool down);
    // Motion in CSS pixels of the page.
    void moved(long dx, long dy);
    void wheeled(double deltaY);

private:
    const char* canvas;
    std::array<bool, 256> held = {};
    std::array<bool, 256> pressedSinceSnapshot = {};
    std::array<bool, 4> buttons = {};
    std::array<bool, 4> clickedSinceReading = {};
    bool captured = false;
    long motionX = 0;
    long motionY = 0;
    int wheel = 0;
    MouseScale mouseScale;
    // The Gamepad API's index of the open pad, -1 for none.
    long pad = -1;
};

}  // namespace platform
