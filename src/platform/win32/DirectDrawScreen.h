#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <ddraw.h>

#include <cstdint>

#include "platform/Rect.h"

namespace platform {

class Surface;

// The screen through DirectDraw 7, sharing the desktop with other programs: the window's part
// of the primary surface behind a clipper, and one off-screen surface in the primary's own
// pixel format that each frame is widened into and stretched from. The frame's 5-6-5 pixels are
// converted by our own loop, never by DirectDraw.
class DirectDrawScreen {
public:
    DirectDrawScreen() = default;
    ~DirectDrawScreen();
    DirectDrawScreen(const DirectDrawScreen&) = delete;
    DirectDrawScreen& operator=(const DirectDrawScreen&) = delete;

    bool open();
    void close();
    // The desktop stays as it is; the window gets the primary surface and a clipper.
    bool takeOver(HWND window);
    // Makes the off-screen surface for frames of this size.
    bool setMode(int width, int height);
    // Shows the frame in the window's client area, letterboxed. A surface found lost (another
    // program took the screen), or said to be lost, is made again; a frame that still cannot be
    // shown is dropped, and the next one tries again.
    void show(const Surface& frame, bool saidLost);

    // How many times the surfaces were made again.
    int remade() const { return remakes; }
    // Screen pixels per frame pixel in the last frame shown.
    double scale() const { return lastScale; }

private:
    // The primary surface, its clipper and the off-screen surface, in the display's format.
    bool makeSurfaces();
    void releaseSurfaces();
    HRESULT copyIn(const Surface& frame);
    void fillBars(const RECT& client, const RECT& picture);

    IDirectDraw7* directDraw = nullptr;
    HWND window = nullptr;
    IDirectDrawSurface7* primary = nullptr;
    IDirectDrawClipper* clipper = nullptr;
    IDirectDrawSurface7* offscreen = nullptr;
    // The display's pixels: 32-bit 8-8-8 or 16-bit 5-6-5.
    bool wide = true;
    int width = 0;
    int height = 0;
    int remakes = 0;
    double lastScale = 1;
};

}  // namespace platform
