#include "app/WinMain.h"

#include "app/Window.h"
#include "game/Game.h"
#include "platform/window/WindowSystem.h"

std::intptr_t messageHandler(platform::WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case platform::message::create:
            return 0;
        case platform::message::destroy:
            platform::postQuitMessage(0);
            return 0;
        default:
            return platform::defWindowProc(window, message, wParam, lParam);
    }
}

int winMain(platform::Instance instance, int showCommand, const RunHooks& hooks) {
    Window window(instance, "CorvanesEngine", messageHandler, 800, 600);
    platform::showCursor(false);
    Game game(instance, window.getWindowHandle(), 800, 600);
    window.show(showCommand);
    PassHooks passHooks;
    if (hooks.beforePass) passHooks.before = [&] { return hooks.beforePass(game); };
    if (hooks.afterPass) passHooks.after = [&] { hooks.afterPass(game); };
    window.mainLoop(&game, passHooks);
    return 0;
}
