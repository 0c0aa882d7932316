#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Rect.h"
#include "platform/video/DeviceContext.h"
#include "platform/video/PixelFormat.h"

namespace platform {

class Backend;
class BlitCache;
class Clipper;

// What a surface says about itself; after a lock it also holds the address of pixel (0, 0)
// and the distance in bytes from one row to the next.
struct SurfaceDesc {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::int32_t pitch = 0;
    void* surface = nullptr;
    PixelFormat pixelFormat;
};

// A 16-bit software surface: the screen, its back buffer and every image live in one. Blits
// sample nearest-neighbour in 16.16 fixed point, skip source pixels inside the colour key
// range when asked, and are cut to the attached clipper's rectangle.
class Surface {
public:
    Surface(int width, int height, PixelFormat format);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return surfaceWidth; }
    int height() const { return surfaceHeight; }
    // Row distance in pixels.
    int pitch() const { return pitchPixels; }
    const PixelFormat& format() const { return pixelFormat; }

    bool getSurfaceDesc(SurfaceDesc& out) const;
    bool getPixelFormat(PixelFormat& out) const;

    // The back buffer of a primary surface; null for any other surface.
    Surface* getAttachedSurface();
    bool setClipper(Clipper* clipper);
    Clipper* getClipper() const { return clipper; }
    // Source key: pixels whose value lies in [low, high] are skipped by keyed blits. A high end
    // below the low end is taken as the low end.
    bool setColorKey(std::uint32_t low, std::uint32_t high);
    bool hasColorKey() const { return keyed; }
    std::uint32_t colorKeyLow() const { return keyLow; }
    std::uint32_t colorKeyHigh() const { return keyHigh; }

    // Colour fill of a rectangle (null: the whole surface) with a raw pixel value. False for an
    // empty or inverted rectangle, or one outside the surface when no clipper is attached.
    bool colorFill(const Rect* destination, std::uint32_t value);
    // Copies `sourceRect` of `source` (null: the whole source) onto `destination` (null: the
    // whole surface), stretching to fit.
    bool blit(const Rect* destination, Surface* source, const Rect* sourceRect, bool sourceKey);

    bool lock(SurfaceDesc& out);
    bool unlock();
    bool isLocked() const { return locked; }

    // The drawing context for single pixels, bitmaps and text; null on failure or while the
    // surface is locked or its context is out.
    DeviceContext* getDC();
    void releaseDC(DeviceContext* context);

    // Gives back lost memory; a software surface never loses it.
    bool restore() { return true; }

    // Shows the back buffer: its pixels become the primary's and the backend presents them.
    bool flip();

    // Direct access for the blitter, the backends and tests. Handing out a writable row counts
    // as a change, so that nothing derived from the pixels outlives a write through it.
    std::uint16_t* row(int y) {
        touch();
        return pixels.data() + static_cast<std::size_t>(y) * pitchPixels;
    }
    const std::uint16_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * pitchPixels;
    }
    std::uint16_t pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, std::uint16_t value);
    // Counts every change of the pixels, so that derived data (opaque runs) knows when to
    // be rebuilt.
    std::uint64_t contentVersion() const { return version; }
    void touch() { ++version; }

    void attachBackBuffer(std::unique_ptr<Surface> backBuffer);

private:
    // The part of `destination` that may be written: cut to the clipper's rectangle and the
    // surface. False when the rectangle may not be used at all.
    bool clipDestination(const Rect& destination, Rect& clipped) const;
    // Made on the first blit from this surface.
    BlitCache& blitCache();

    int surfaceWidth;
    int surfaceHeight;
    int pitchPixels;
    PixelFormat pixelFormat;
    std::vector<std::uint16_t> pixels;
    Clipper* clipper = nullptr;
    bool keyed = false;
    std::uint32_t keyLow = 0;
    std::uint32_t keyHigh = 0;
    bool locked = false;
    bool contextOut = false;
    DeviceContext context;
    std::unique_ptr<Surface> attached;
    std::uint64_t version = 0;
    std::unique_ptr<BlitCache> sourceCache;
    // The backend this surface was last presented to, told when the surface goes.
    Backend* shownBy = nullptr;
};

}  // namespace platform
