#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Backend.h"
#include "platform/input/ScriptedInput.h"
#include "platform/input/SessionTap.h"
#include "platform/video/ScreenshotWriter.h"
#include "platform/sdl/SdlInput.h"

namespace platform {

// The real machine through SDL2: a borderless desktop-sized window, the 800 x 600 picture
// uploaded to a 5-6-5 streaming texture and letterboxed, no vsync, pointer hidden. Window
// close, SIGINT and SIGTERM become close requests. Where no display can be opened the game
// still runs (and can be stopped by a signal); message boxes then go to stderr. Sound goes out
// through an audio callback on SDL's own thread, which pulls frames from the mixer.
class SdlBackend : public Backend {
public:
    SdlBackend();
    ~SdlBackend() override;

    std::uint32_t tickCount() override;
    void idle(std::uint32_t milliseconds) override;

    bool registerWindowClass(const std::string& name) override;
    WindowHandle createWindow(const std::string& caption, int x, int y, int width,
                              int height) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window, int showCommand) override;
    bool takeCloseRequest() override;
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

    bool openAudio(Mixer& mixer) override;
    void closeAudio() override;

private:
    // Lets SDL read the devices and turns the window manager's close events into requests;
    // every other event is dropped, since input is read from device state, not from events.
    void pumpEvents();
    bool startVideo();
    // Remembers an Escape press until the next Escape test, so that a tap between two tests
    // still ends the game; notes F12 (a screenshot) and Alt+Enter (window or full screen).
    static int watchOwnKeys(void* self, SDL_Event* event);
    // Between the borderless picture over the whole desktop and an 800 x 600 window.
    void toggleWindow();
    SDL_Window* sdlWindow(WindowHandle window) const;

    bool videoReady = false;
    SdlInput input;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    ScriptedInput* playing = nullptr;
    SessionTap* tap = nullptr;
    bool fullScreen = true;
    int togglesWanted = 0;
    bool screenshotWanted = false;
    std::unique_ptr<ScreenshotWriter> screenshots;
    // The texture holds 8-bit components rather than the frame's own 5-6-5.
    bool textureWide = false;
    int closeRequests = 0;
    bool escapePressed = false;
    SDL_AudioDeviceID audioDevice = 0;
};

}  // namespace platform
