#pragma once

#include <cstdint>
#include <memory>

#include "platform/video/Clipper.h"
#include "platform/video/PixelFormat.h"
#include "platform/video/Surface.h"
#include "platform/window/WindowTypes.h"

namespace platform {

// The display object: takes over the screen for a window, sets its mode, and makes the
// surfaces and clippers that drawing uses.
class Display {
public:
    // Null when no display can be opened.
    static std::unique_ptr<Display> create();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool setCooperativeLevel(WindowHandle window);
    bool setDisplayMode(int width, int height, int bitsPerPixel);
    // The visible surface at the mode's size, with `backBufferCount` (one) back buffer attached.
    std::unique_ptr<Surface> createPrimarySurface(int backBufferCount);
    std::unique_ptr<Surface> createOffscreenSurface(int width, int height);
    std::unique_ptr<Clipper> createClipper();

    const PixelFormat& pixelFormat() const { return format; }

private:
    Display() = default;

    bool exclusive = false;
    int modeWidth = 0;
    int modeHeight = 0;
    PixelFormat format;
};

}  // namespace platform
