#include "app/Window.h"

#include "engine/GameEngine.h"
#include "platform/window/WindowSystem.h"

Window::Window(platform::Instance programInstance, const std::string& name,
               platform::WindowProcedure handler, int width, int height) {
    using namespace platform::classStyle;
    windowClass.style = verticalRedraw | horizontalRedraw | doubleClicks | ownDeviceContext;
    windowClass.procedure = handler;
    windowClass.menuName = "MAIN_MENU";
    windowClass.name = name;
    if (!platform::registerClass(windowClass)) {
        platform::messageBox("Unable to register window class", name);
    }
    windowHandle = platform::createWindow(name, name, 0, 0, width, height);
    if (windowHandle == nullptr) {
        platform::messageBox("Unable to create window", name);
    }
    instance = programInstance;
    running = true;
}

Window::~Window() {
    running = false;
}

void Window::show(int showCommand) {
    if (windowHandle != nullptr) {
        platform::showWindow(windowHandle, showCommand);
        platform::updateWindow(windowHandle);
    }
}

std::uintptr_t Window::mainLoop(GameEngine* engine, const PassHooks& hooks) {
    while (running) {
        if (!pass(engine, hooks)) break;
    }
    return message.wParam;
}

bool Window::pass(GameEngine* engine, const PassHooks& hooks) {
    if (!running || (hooks.before && !hooks.before())) return false;
    if (platform::peekMessage(message)) {
        if (message.id == platform::message::quit) running = false;
        platform::translateMessage(message);
        platform::dispatchMessage(message);
    }
    if (platform::escapeKeyDown()) running = false;
    engine->gameLoop();
    if (hooks.after) hooks.after();
    return running;
}
