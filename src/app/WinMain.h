#pragma once

#include <cstdint>
#include <functional>

#include "platform/window/WindowTypes.h"

// The window procedure: a destroyed window ends the program through the quit message.
std::intptr_t messageHandler(platform::WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam);

class Game;

// What a scripted run adds to the program: a look at the game before each pass (answering false
// ends the program there, through its ordinary shutdown) and after each pass's frame.
struct RunHooks {
    std::function<bool(const Game& game)> beforePass;
    std::function<void(const Game& game)> afterPass;
};

// The program proper, on whichever backend is installed: window, game, message loop, and the
// teardown in reverse. Returns the program's exit status.
int winMain(platform::Instance instance, int showCommand, const RunHooks& hooks = {});
