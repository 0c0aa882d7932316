#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/window/WindowTypes.h"

class GameEngine;

// What a scripted run does around each pass of the loop: before it, ahead of the message, the
// Escape test and the frame (answering false ends the loop there), and after its frame.
struct PassHooks {
    std::function<bool()> before;
    std::function<void()> after;
};

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
    std::uintptr_t mainLoop(GameEngine* engine, const PassHooks& hooks = {});
    // One pass of that loop, for a host that cannot block and runs the passes itself. False
    // once the loop has ended: the hook said so, or the pass took the quit message or saw
    // Escape (its frame still ran).
    bool pass(GameEngine* engine, const PassHooks& hooks = {});
    platform::WindowHandle getWindowHandle() const { return windowHandle; }

private:
    platform::Instance instance;
    platform::WindowHandle windowHandle = nullptr;
    platform::Message message;
    platform::WindowClass windowClass;
    bool running = false;
};
