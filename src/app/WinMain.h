#pragma once

#include <cstdint>

#include "platform/window/WindowTypes.h"

// The window procedure: a destroyed window ends the program through the quit message.
std::intptr_t messageHandler(platform::WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam);

// The program proper, on whichever backend is installed: window, game, message loop, and the
// teardown in reverse. Returns the program's exit status.
int winMain(platform::Instance instance, int showCommand);
