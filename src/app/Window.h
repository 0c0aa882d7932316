#pragma once

#include <cstdint>
#include <string>

#include "platform/window/WindowTypes.h"

class GameEngine;

// The application window and its message loop.
class Window {
public:
    Window(platform::Instance instance, const std::string& name, platform::WindowProcedure handler,
           int width, int height);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void show(int showCommand);
    // Runs one engine frame per pass until a quit message or the Escape key ends the loop;
    // answers the wParam of the last message taken.
    std::uintptr_t mainLoop(GameEngine* engine);
    platform::WindowHandle getWindowHandle() const { return windowHandle; }

private:
    platform::Instance instance;
    platform::WindowHandle windowHandle = nullptr;
    platform::Message message;
    platform::WindowClass windowClass;
    bool running = false;
};
