#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A window of the backend's own kind; only the backend looks inside.
struct NativeWindow;
using WindowHandle = NativeWindow*;

// Message numbers keep their old values.
namespace message {
constexpr std::uint32_t create = 1;
constexpr std::uint32_t destroy = 2;
constexpr std::uint32_t close = 16;
constexpr std::uint32_t quit = 18;
}  // namespace message

using WindowProcedure = std::intptr_t (*)(WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam);

struct Message {
    WindowHandle window = nullptr;
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Class styles the window asks for: redraw on resize, double clicks, its own drawing context.
namespace classStyle {
constexpr std::uint32_t verticalRedraw = 1;
constexpr std::uint32_t horizontalRedraw = 2;
constexpr std::uint32_t doubleClicks = 8;
constexpr std::uint32_t ownDeviceContext = 32;
}  // namespace classStyle

struct WindowClass {
    std::uint32_t style = 0;
    WindowProcedure procedure = nullptr;
    std::string menuName;
    std::string name;
};

}  // namespace platform

namespace platform {

// The running program as the shell hands it to the services that ask for it.
struct Instance {
    const char* programName = "corvanes";
};

}  // namespace platform
