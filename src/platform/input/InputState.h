#pragma once

#include <array>
#include <cstdint>

// The snapshots the input devices deliver, one per device per frame. A byte with bit 0x80 set
// is a key or button that is down.
namespace platform {

constexpr std::uint8_t pressed = 0x80;

// One byte per key code (KeyCodes.h).
using KeyboardState = std::array<std::uint8_t, 256>;

// Motion since the previous snapshot, in mouse units (the wheel: 120 a notch, positive away
// from the player), and the buttons left, right, middle and the first side button.
struct MouseState {
    std::int32_t lX = 0;
    std::int32_t lY = 0;
    std::int32_t lZ = 0;
    std::uint8_t rgbButtons[4] = {};
};

// The stick's position on the range its device was given, left and up negative, and its
// buttons.
struct JoystickState {
    std::int32_t lX = 0;
    std::int32_t lY = 0;
    std::uint8_t rgbButtons[32] = {};
};

}  // namespace platform
