#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <span>

namespace platform {

// One physical key: SDL's scancode and the key code the keyboard snapshot uses for it.
struct ScancodeMapping {
    SDL_Scancode scancode;
    std::uint8_t keyCode;
};

// The keys of platform/input/PhysicalKeys.h by SDL's scancodes. Scancodes not listed are
// ignored.
std::span<const ScancodeMapping> scancodeTable();

// The mouse's buttons in snapshot order (left, right, middle, first side button) from SDL's
// button state, which numbers them left, middle, right.
std::array<bool, 4> mouseButtons(Uint32 sdlButtonState);

}  // namespace platform
