#pragma once

#include <memory>

#include "platform/video/Clipper.h"
#include "platform/video/Display.h"
#include "platform/video/Surface.h"
#include "platform/window/WindowTypes.h"

// Owns the screen: the display object, the flip chain of the visible surface and its back
// buffer, and the clipper that keeps every blit on the back buffer inside 800 x 600.
class GraphicsEngine {
public:
    GraphicsEngine(platform::WindowHandle window, int width, int height);
    ~GraphicsEngine();
    GraphicsEngine(const GraphicsEngine&) = delete;
    GraphicsEngine& operator=(const GraphicsEngine&) = delete;

    // Fills the whole surface with the packed colour; a missing surface or failed fill is
    // ignored.
    void clearBuffer(platform::Surface* surface, int red, int green, int blue);

    platform::Display* getDDObject() const { return ddObject.get(); }
    platform::Surface* getBackbuffer() const { return backbuffer; }
    platform::Surface* getScreen() const { return screen.get(); }
    platform::SurfaceDesc* getSurfaceStruct() { return &surfaceStruct; }
    int getPixelFormat() const { return pixelFormat; }

    // Packs three components, neither scaled nor clamped, into the low 16 bits: 5-5-5 when the
    // layout is 555, 5-6-5 otherwise.
    static std::uint16_t packColor(int pixelFormat, int red, int green, int blue);

private:
    bool createGraphicsSurfaces();
    bool createClipper();

    std::unique_ptr<platform::Display> ddObject;
    platform::SurfaceDesc surfaceStruct;
    std::unique_ptr<platform::Surface> screen;
    platform::Surface* backbuffer = nullptr;
    std::unique_ptr<platform::Clipper> clipper;
    int pixelFormat = 0;
};
