#pragma once

// Every control the game asks about has one number: below `mouseButtons` a keyboard scan code
// (only the first `keyCodes` name a key), from `mouseButtons` a mouse button and from
// `joystickButtons` a joystick button, each button counted by the code's last digit.
namespace controlcode {

constexpr int keyCodes = 256;
constexpr int mouseButtons = 1000;
constexpr int joystickButtons = 2000;

}  // namespace controlcode
