#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/ScriptedInput.h"

namespace platform {

// A machine without hardware: a virtual clock that moves only when told (or when the game
// idles), a window that exists only as bookkeeping, frames kept in memory, and faults that make
// chosen platform calls fail.
class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // Faults: the call fails the next `times` times (a negative count: always), after first
    // succeeding `after` times. By name, false when no call has that name.
    void fail(Fault fault, int times = -1, int after = 0);
    bool fail(std::string_view name, int times = -1, int after = 0);
    void clearFaults();
    bool faultInjected(Fault fault) override;

    // The virtual clock.
    void setTicks(std::uint32_t ticks) { now = ticks; }
    void advance(std::uint32_t milliseconds) { now += milliseconds; }
    std::uint32_t tickCount() override { return now; }
    void idle(std::uint32_t milliseconds) override;
    // Total milliseconds passed in idle().
    std::uint64_t idledMilliseconds() const { return idled; }

    bool registerWindowClass(const std::string& name) override;
    WindowHandle createWindow(const std::string& caption, int x, int y, int width,
                              int height) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window, int showCommand) override;
    bool takeCloseRequest() override;
    // The Escape key is the keyboard's own, so a scripted key press ends the game too.
    bool escapeDown() override { return input.keyDown(DIK_ESCAPE); }
    void showCursor(bool show) override { cursorShown = show; }
    void messageBox(const std::string& text, const std::string& caption) override;
    // Scripted keyboard, mouse and joystick.
    ScriptedInput& inputHardware() override { return input; }

    bool openDisplay() override;
    void closeDisplay() override;
    bool takeOverScreen(WindowHandle window) override;
    bool setDisplayMode(int width, int height, int bitsPerPixel) override;
    std::uint32_t displayGreenMask() override { return greenMask; }
    void present(const Surface& frame) override;
    void surfaceGone(const Surface& frame) override;

    // The sound card: one output at a time, which plays only when asked to render.
    bool openAudio(Mixer& mixer) override;
    void closeAudio() override;
    bool audioOpen() const { return audioMixer != nullptr; }
    // Pulls the next frames of the mix, as left and right pairs; silence when no output is
    // open.
    void renderAudio(std::span<std::int16_t> stereoFrames);

    // Scripted events.
    void requestClose() override { ++closeRequests; }
    void setEscapeDown(bool down) { input.setKey(DIK_ESCAPE, down); }
    void setDisplayGreenMask(std::uint32_t mask) { greenMask = mask; }

    // What the game did.
    struct ShownMessageBox {
        std::string text;
        std::string caption;
    };
    const std::vector<ShownMessageBox>& messageBoxes() const { return boxes; }
    bool cursorVisible() const { return cursorShown; }
    bool windowExists() const { return windowAlive; }
    bool windowShown() const { return windowVisible; }
    std::string windowCaption() const { return caption; }
    bool displayOpen() const { return displayIsOpen; }
    int displayWidth() const { return modeWidth; }
    int displayHeight() const { return modeHeight; }

    // The last frame presented, row by row without padding. It is read off the presented
    // surface when it is asked for, not copied on every pass: most passes are never looked at.
    std::uint64_t framesPresented() const { return presented; }
    int frameWidth() const { return lastWidth; }
    int frameHeight() const { return lastHeight; }
    const std::vector<std::uint16_t>& lastFrame() const;
    std::uint16_t framePixel(int x, int y) const;

private:
    struct Window {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    struct Pending {
        int times = 0;
        int after = 0;
    };
    std::array<Pending, static_cast<std::size_t>(Fault::count)> faults = {};
    std::uint32_t now = 0;
    std::uint64_t idled = 0;
    Window window;
    bool windowAlive = false;
    bool windowVisible = false;
    std::string caption;
    int closeRequests = 0;
    bool cursorShown = true;
    std::vector<ShownMessageBox> boxes;
    ScriptedInput input;
    bool displayIsOpen = false;
    bool screenTaken = false;
    int modeWidth = 0;
    int modeHeight = 0;
    std::uint32_t greenMask = masks565.green;
    std::uint64_t presented = 0;
    int lastWidth = 0;
    int lastHeight = 0;
    // The surface last presented while it lives; `frame` holds a copy of it as of pass
    // `copied`.
    const Surface* shown = nullptr;
    mutable std::vector<std::uint16_t> frame;
    mutable std::uint64_t copied = 0;
    Mixer* audioMixer = nullptr;
};

}  // namespace platform
