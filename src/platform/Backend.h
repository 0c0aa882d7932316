#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Faults.h"
#include "platform/video/PixelFormat.h"
#include "platform/window/WindowTypes.h"

namespace platform {

class InputHardware;
class Mixer;
class Surface;

// What the game needs of the machine it runs on: a millisecond clock, one window with its
// messages, the screen, and (in their own interfaces) input devices and sound output. One
// backend is installed at a time; the SDL backend drives real hardware, the headless backend
// serves tests and tools with a virtual clock, scripted input and fault injection.
class Backend {
public:
    Backend() = default;
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;
    virtual ~Backend() = default;

    // True when that platform call is to fail this time. Only the headless backend ever
    // answers true.
    virtual bool faultInjected(Fault fault);

    // The 32-bit millisecond tick counter; it wraps after about 49.7 days.
    virtual std::uint32_t tickCount() = 0;
    // Lets about `milliseconds` pass without burning the processor where that is possible.
    // Callers re-read the tick counter afterwards; the wait may end early.
    virtual void idle(std::uint32_t milliseconds) = 0;

    virtual bool registerWindowClass(const std::string& name) = 0;
    virtual WindowHandle createWindow(const std::string& caption, int x, int y, int width,
                                      int height) = 0;
    virtual void destroyWindow(WindowHandle window) = 0;
    virtual void showWindow(WindowHandle window, int showCommand) = 0;
    // True once for every request to close the program that arrived since the last call:
    // the window manager's close button, SIGINT, SIGTERM.
    virtual bool takeCloseRequest() = 0;
    // The Escape key's state at this moment.
    virtual bool escapeDown() = 0;
    virtual void showCursor(bool show) = 0;
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;
    // The keyboard, mouse and joysticks.
    virtual InputHardware& inputHardware() = 0;
    // Asks to close the program as the window's close button does: for sessions played from a
    // script.
    virtual void requestClose() = 0;

    // The screen: opened, taken over for the window, switched to a mode, and shown frame by
    // frame.
    virtual bool openDisplay() = 0;
    virtual void closeDisplay() = 0;
    virtual bool takeOverScreen(WindowHandle window) = 0;
    virtual bool setDisplayMode(int width, int height, int bitsPerPixel) = 0;
    // The green mask of the screen's 16-bit pixels.
    virtual std::uint32_t displayGreenMask() { return masks565.green; }
    virtual void present(const Surface& frame) = 0;
    // A surface this backend presented is going away: a backend that reads the presented
    // pixels later keeps its own copy now.
    virtual void surfaceGone(const Surface& frame) { (void)frame; }

    // Sound output: opens the machine's sound output at the mixer's rate, 16-bit stereo, and
    // pulls frames from the mixer until it is closed. False when there is no sound output.
    virtual bool openAudio(Mixer& mixer) = 0;
    // After this the mixer is no longer touched.
    virtual void closeAudio() = 0;

    // The window manager's bookkeeping, kept with the backend so that a fresh backend starts
    // with no classes, windows or messages.
    struct WindowRecord {
        WindowHandle handle = nullptr;
        WindowProcedure procedure = nullptr;
    };
    std::vector<WindowClass> windowClasses;
    std::vector<WindowRecord> windows;
    std::deque<Message> messages;
};

// The installed backend. Installing one makes it current; the caller keeps ownership.
Backend& backend();
void setBackend(Backend* backend);

}  // namespace platform
