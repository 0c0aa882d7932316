#include "graphics/GraphicsEngine.h"

#include "log/Log.h"
#include "platform/video/ScreenSize.h"

namespace {
// Blits on the back buffer are kept to the screen whatever size was asked for.
constexpr platform::Rect screenRect{0, 0, platform::screenWidth, platform::screenHeight};
}  // namespace

GraphicsEngine::GraphicsEngine(platform::WindowHandle window, int width, int height) {
    screen.reset();
    backbuffer = nullptr;
    clipper.reset();

    ddObject = platform::Display::create();
    if (!ddObject) {
        logLine("ERROR: Unable to create ddraw object");
        return;
    }
    if (!ddObject->setCooperativeLevel(window)) {
        ddObject.reset();
        logLine("ERROR: Unable to set cooperation level");
        return;
    }
    if (!ddObject->setDisplayMode(width, height, 16)) {
        ddObject.reset();
        logLine("ERROR: Unable to set display mode");
        return;
    }
    if (!createGraphicsSurfaces()) {
        logLine("ERROR: Unable to create Graphics surfaces");
        return;
    }
    if (!createClipper()) {
        logLine("ERROR: Unable to create Graphics clipper");
        return;
    }
    platform::PixelFormat format;
    screen->getPixelFormat(format);
    pixelFormat = format.is565() ? 565 : 555;
}

GraphicsEngine::~GraphicsEngine() {
    clipper.reset();
    backbuffer = nullptr;
    screen.reset();
    ddObject.reset();
}

bool GraphicsEngine::createGraphicsSurfaces() {
    surfaceStruct = platform::SurfaceDesc{};
    screen = ddObject->createPrimarySurface(1);
    if (!screen) {
        ddObject.reset();
        logLine("ERROR: Unable to create primary surface");
        return false;
    }
    backbuffer = screen->getAttachedSurface();
    if (backbuffer == nullptr) {
        screen.reset();
        ddObject.reset();
        logLine("ERROR: Unable to create back buffer");
        return false;
    }
    return true;
}

bool GraphicsEngine::createClipper() {
    clipper = ddObject->createClipper();
    if (!clipper) {
        logLine("ERROR: unable to create clipper");
        return false;
    }
    if (!clipper->setClipList(&screenRect, 1)) {
        logLine("ERROR: unable to set clip list");
        return false;
    }
    if (!backbuffer->setClipper(clipper.get())) {
        logLine("ERROR: unable to attach clipper to back buffer");
        return false;
    }
    return true;
}

std::uint16_t GraphicsEngine::packColor(int format, int red, int green, int blue) {
    const unsigned r = static_cast<unsigned>(red);
    const unsigned g = static_cast<unsigned>(green);
    const unsigned b = static_cast<unsigned>(blue);
    if (format == 555) return static_cast<std::uint16_t>((r << 11) | (g << 6) | b);
    return static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
}

void GraphicsEngine::clearBuffer(platform::Surface* surface, int red, int green, int blue) {
    if (surface == nullptr) return;
    surface->colorFill(nullptr, packColor(pixelFormat, red, green, blue));
}
