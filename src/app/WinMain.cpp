#include "app/WinMain.h"

#include "app/Program.h"
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
    Program program(instance, showCommand, hooks);
    program.mainLoop();
    return 0;
}
