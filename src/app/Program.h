#pragma once

#include "app/WinMain.h"
#include "app/Window.h"
#include "game/Game.h"

// The program proper as an object: its window, the hidden pointer and the game, made in that
// order and gone in reverse. `winMain` runs it with the window's own loop; a host that cannot
// block (a browser page) makes one and runs its passes one at a time.
class Program {
public:
    Program(platform::Instance instance, int showCommand, const RunHooks& hooks);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The message loop until a quit message or Escape ends it (or a hook does).
    void mainLoop();
    // One pass of it; false once the loop has ended.
    bool pass();

private:
    // The pointer is hidden once the window stands and before the game starts; it is never
    // shown again.
    struct HiddenPointer {
        HiddenPointer();
    };

    Window window;
    HiddenPointer hiddenPointer;
    Game game;
    PassHooks passHooks;
};
