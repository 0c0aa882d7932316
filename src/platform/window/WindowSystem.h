#pragma once

#include <cstdint>
#include <string>

#include "platform/window/WindowTypes.h"

// The window manager as the shell sees it: classes, one window, a message queue drained one
// message at a time, the Escape test, the pointer and message boxes. Input never arrives as
// messages: the game reads its devices once per frame.
namespace platform {

bool registerClass(const WindowClass& windowClass);
// Creates a window of a registered class; its procedure receives the create message before
// this returns. Null on failure.
WindowHandle createWindow(const std::string& className, const std::string& caption, int x, int y,
                          int width, int height);
void showWindow(WindowHandle window, int showCommand);
void updateWindow(WindowHandle window);
// Sends the destroy message to the window's procedure and lets the window go.
void destroyWindow(WindowHandle window);

// Takes at most one message without waiting; false when the queue is empty.
bool peekMessage(Message& out);
void translateMessage(const Message& msg);
std::intptr_t dispatchMessage(const Message& msg);
std::intptr_t defWindowProc(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                            std::intptr_t lParam);
void postMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                 std::intptr_t lParam);
void postQuitMessage(int exitCode);

bool escapeKeyDown();
void showCursor(bool show);
void messageBox(const std::string& text, const std::string& caption);
std::uint32_t tickCount();

}  // namespace platform
