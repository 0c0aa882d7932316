#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/input/ScriptedInput.h"
#include "platform/input/SessionTap.h"
#include "platform/video/ScreenshotWriter.h"
#include "platform/win32/DirectDrawScreen.h"
#include "platform/win32/DirectInputDevices.h"
#include "platform/win32/DirectSoundOutput.h"

namespace platform {

// Windows itself: a borderless pop-up over the whole monitor (Alt+Enter: a resizable window and
// back), the picture through DirectDraw, keyboard, mouse and joystick through DirectInput,
// sound through DirectSound. The window's messages are taken whenever the game asks about
// closing or Escape; the close button, the end of the session and Ctrl+C in the console from
// which the game was started become close requests.
class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    // For the backend's own tests: that call fails the next `times` times.
    void fail(Fault fault, int times);
    bool faultInjected(Fault fault) override;

    std::uint32_t tickCount() override;
    void idle(std::uint32_t milliseconds) override;

    bool registerWindowClass(const std::string& name) override;
    WindowHandle createWindow(const std::string& caption, int x, int y, int width,
                              int height) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window, int showCommand) override;
    bool takeCloseRequest() override;
    // Escape counts only while the window is in front.
    bool escapeDown() override;
    void showCursor(bool show) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    // The devices, or the script that stands in for them while a session plays back.
    InputHardware& inputHardware() override;
    void requestClose() override { ++closeRequests; }
    // Plays a session back: the game reads these devices instead, and only Escape and the
    // window's close button still come from the machine.
    void playBack(ScriptedInput* script) { playing = script; }
    // Lets the recorder of a session see what the game reads.
    void setTap(SessionTap* observer);

    bool openDisplay() override;
    void closeDisplay() override;
    bool takeOverScreen(WindowHandle window) override;
    bool setDisplayMode(int width, int height, int bitsPerPixel) override;
    void present(const Surface& frame) override;
    // How many times the screen's surfaces were made again after a loss.
    int surfacesRemade() const { return screen.remade(); }

    bool openAudio(Mixer& mixer) override;
    void closeAudio() override;

    HWND windowHandle() const { return window; }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches every waiting message of the thread.
    void pumpMessages();
    // Between the borderless picture over the whole monitor and an 800 x 600 window.
    void toggleWindow();
    HWND own(WindowHandle handle) const;

    std::array<int, static_cast<std::size_t>(Fault::count)> faults = {};
    LARGE_INTEGER counterRate{};
    std::wstring className;
    HWND window = nullptr;
    bool fullScreen = true;
    int togglesWanted = 0;
    bool cursorShown = true;
    int closeRequests = 0;
    bool escapePressed = false;
    bool screenshotWanted = false;
    DirectDrawScreen screen;
    DirectInputDevices input;
    ScriptedInput* playing = nullptr;
    SessionTap* tap = nullptr;
    DirectSoundOutput sound;
    std::unique_ptr<ScreenshotWriter> screenshots;
};

}  // namespace platform
