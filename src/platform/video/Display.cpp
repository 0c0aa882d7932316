#include "platform/video/Display.h"

#include "platform/Backend.h"

namespace platform {

namespace {
// Surfaces larger than this in either direction are refused, as a driver would.
constexpr int maxSurfaceSide = 16384;
}  // namespace

std::unique_ptr<Display> Display::create() {
    Backend& b = backend();
    if (b.faultInjected(Fault::displayCreate) || !b.openDisplay()) return nullptr;
    std::unique_ptr<Display> display(new Display());
    display->format = PixelFormat::fromGreenMask(b.displayGreenMask());
    return display;
}

Display::~Display() {
    backend().closeDisplay();
}

bool Display::setCooperativeLevel(WindowHandle window) {
    Backend& b = backend();
    if (b.faultInjected(Fault::displayCooperativeLevel) || !b.takeOverScreen(window)) return false;
    exclusive = true;
    return true;
}

bool Display::setDisplayMode(int width, int height, int bitsPerPixel) {
    Backend& b = backend();
    if (b.faultInjected(Fault::displayDisplayMode)) return false;
    if (!exclusive || bitsPerPixel != 16 || width <= 0 || height <= 0 || width > maxSurfaceSide ||
        height > maxSurfaceSide) {
        return false;
    }
    if (!b.setDisplayMode(width, height, bitsPerPixel)) return false;
    modeWidth = width;
    modeHeight = height;
    return true;
}

std::unique_ptr<Surface> Display::createPrimarySurface(int backBufferCount) {
    if (backend().faultInjected(Fault::displayPrimarySurface)) return nullptr;
    if (modeWidth == 0 || backBufferCount != 1) return nullptr;
    auto primary = std::make_unique<Surface>(modeWidth, modeHeight, format);
    primary->attachBackBuffer(std::make_unique<Surface>(modeWidth, modeHeight, format));
    return primary;
}

std::unique_ptr<Surface> Display::createOffscreenSurface(int width, int height) {
    if (backend().faultInjected(Fault::displayOffscreenSurface)) return nullptr;
    if (width <= 0 || height <= 0 || width > maxSurfaceSide || height > maxSurfaceSide) {
        return nullptr;
    }
    return std::make_unique<Surface>(width, height, format);
}

std::unique_ptr<Clipper> Display::createClipper() {
    if (backend().faultInjected(Fault::displayClipper)) return nullptr;
    return std::make_unique<Clipper>();
}

}  // namespace platform
