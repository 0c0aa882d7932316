#include "app/Program.h"

#include "platform/video/ScreenSize.h"
#include "platform/window/WindowSystem.h"

Program::HiddenPointer::HiddenPointer() {
    platform::showCursor(false);
}

Program::Program(platform::Instance instance, int showCommand, const RunHooks& hooks)
    : window(instance, "CorvanesEngine", messageHandler, platform::screenWidth,
             platform::screenHeight),
      game(instance, window.getWindowHandle(), platform::screenWidth, platform::screenHeight) {
    window.show(showCommand);
    if (hooks.beforePass) passHooks.before = [this, hooks] { return hooks.beforePass(game); };
    if (hooks.afterPass) passHooks.after = [this, hooks] { hooks.afterPass(game); };
}

void Program::mainLoop() {
    window.mainLoop(&game, passHooks);
}

bool Program::pass() {
    return window.pass(&game, passHooks);
}
