#include "platform/window/WindowSystem.h"

#include <algorithm>

#include "platform/Backend.h"

namespace platform {

namespace {

WindowProcedure procedureOf(WindowHandle window) {
    for (const auto& record : backend().windows) {
        if (record.handle == window) return record.procedure;
    }
    return nullptr;
}

}  // namespace

bool registerClass(const WindowClass& windowClass) {
    Backend& b = backend();
    if (b.faultInjected(Fault::windowRegister)) return false;
    if (windowClass.procedure == nullptr || windowClass.name.empty()) return false;
    for (const auto& existing : b.windowClasses) {
        if (existing.name == windowClass.name) return false;
    }
    if (!b.registerWindowClass(windowClass.name)) return false;
    b.windowClasses.push_back(windowClass);
    return true;
}

WindowHandle createWindow(const std::string& className, const std::string& caption, int x, int y,
                          int width, int height) {
    Backend& b = backend();
    if (b.faultInjected(Fault::windowCreate)) return nullptr;
    auto cls = std::find_if(b.windowClasses.begin(), b.windowClasses.end(),
                            [&](const WindowClass& c) { return c.name == className; });
    if (cls == b.windowClasses.end()) return nullptr;
    WindowHandle handle = b.createWindow(caption, x, y, width, height);
    if (handle == nullptr) return nullptr;
    b.windows.push_back({handle, cls->procedure});
    cls->procedure(handle, message::create, 0, 0);
    return handle;
}

void showWindow(WindowHandle window, int showCommand) {
    if (procedureOf(window) != nullptr) backend().showWindow(window, showCommand);
}

void updateWindow(WindowHandle) {}

void destroyWindow(WindowHandle window) {
    WindowProcedure procedure = procedureOf(window);
    if (procedure == nullptr) return;
    procedure(window, message::destroy, 0, 0);
    Backend& b = backend();
    std::erase_if(b.windows, [&](const Backend::WindowRecord& r) { return r.handle == window; });
    b.destroyWindow(window);
}

bool peekMessage(Message& out) {
    Backend& b = backend();
    // A close request goes to the window as the close message, so that the window goes the
    // usual way (destroy, then quit). Without a window the quit message comes at once.
    while (b.takeCloseRequest()) {
        if (b.windows.empty()) {
            b.messages.push_back(Message{nullptr, message::quit, 0, 0});
        } else {
            b.messages.push_back(Message{b.windows.front().handle, message::close, 0, 0});
        }
    }
    if (b.messages.empty()) return false;
    out = b.messages.front();
    b.messages.pop_front();
    return true;
}

void translateMessage(const Message&) {}

std::intptr_t dispatchMessage(const Message& msg) {
    WindowProcedure procedure = procedureOf(msg.window);
    if (procedure == nullptr) return 0;
    return procedure(msg.window, msg.id, msg.wParam, msg.lParam);
}

std::intptr_t defWindowProc(WindowHandle window, std::uint32_t id, std::uintptr_t, std::intptr_t) {
    if (id == message::close) destroyWindow(window);
    return 0;
}

void postMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                 std::intptr_t lParam) {
    backend().messages.push_back(Message{window, id, wParam, lParam});
}

void postQuitMessage(int exitCode) {
    postMessage(nullptr, message::quit, static_cast<std::uintptr_t>(exitCode), 0);
}

bool escapeKeyDown() {
    return backend().escapeDown();
}

void showCursor(bool show) {
    backend().showCursor(show);
}

void messageBox(const std::string& text, const std::string& caption) {
    backend().messageBox(text, caption);
}

std::uint32_t tickCount() {
    return backend().tickCount();
}

}  // namespace platform
