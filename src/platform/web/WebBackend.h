#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/input/ScriptedInput.h"
#include "platform/web/CanvasPixels.h"
#include "platform/web/WebInput.h"
#include "platform/web/WebPacing.h"

namespace platform {

// The browser page: the picture goes to a canvas, keys come from the whole window, the mouse
// from the canvas (locked to it after a click), pads from the Gamepad API, sound out through
// Web Audio. Nothing here blocks: the page's frame callback runs the passes, and the frame wait
// is over at once (WebClock). Played from a script, the game reads scripted devices and the
// virtual clock instead, exactly as on the headless runner, and only the picture is shown.
class WebBackend : public Backend {
public:
    // `scripted`: play from the scripted devices with the virtual clock.
    explicit WebBackend(bool scripted);
    ~WebBackend() override;

    // The start of a live pass, at the browser's clock.
    void beginPass(std::uint32_t browserMilliseconds) { clock.catchUp(browserMilliseconds); }
    // Puts the last frame presented on the canvas and, when F12 asked for one, offers it as a
    // PNG. The frame stays with the game's screen until its next pass.
    void draw();
    ScriptedInput& scriptedInput() { return script; }
    // The page's own fields have the keys: the game's read as released.
    void releaseKeys() { live.releaseAll(); }

    std::uint32_t tickCount() override { return clock.now(); }
    void idle(std::uint32_t milliseconds) override { clock.wait(milliseconds); }

    bool registerWindowClass(const std::string& name) override;
    WindowHandle createWindow(const std::string& caption, int x, int y, int width,
                              int height) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window, int showCommand) override;
    bool takeCloseRequest() override;
    // Live, Escape pressed while neither the pointer lock nor full screen was on (the browser
    // keeps Escape for leaving those); scripted, the script's key.
    bool escapeDown() override;
    void showCursor(bool show) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    InputHardware& inputHardware() override;
    void requestClose() override { ++closeRequests; }

    bool openDisplay() override;
    void closeDisplay() override;
    bool takeOverScreen(WindowHandle window) override;
    bool setDisplayMode(int width, int height, int bitsPerPixel) override;
    void present(const Surface& frame) override;

    bool openAudio(Mixer& mixer) override;
    void closeAudio() override;

    // A key event of the window, by the browser's name of the key; true when the browser is to
    // do nothing more with it.
    bool keyEvent(const char* code, bool down, bool repeat, bool alt, bool control);

private:
    bool scripted;
    WebClock clock;
    ScriptedInput script;
    WebInput live;
    bool windowAlive = false;
    bool displayIsOpen = false;
    bool screenTaken = false;
    int closeRequests = 0;
    bool escapePressed = false;
    bool screenshotWanted = false;
    const Surface* shown = nullptr;
    std::unique_ptr<CanvasPixels> pixels;
    std::vector<std::uint8_t> canvasBytes;
    bool audioOpen = false;
};

}  // namespace platform
