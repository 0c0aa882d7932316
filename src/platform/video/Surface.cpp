#include "platform/video/Surface.h"

#include <algorithm>
#include <utility>

#include "platform/Backend.h"
#include "platform/video/Blit.h"
#include "platform/video/BlitCache.h"
#include "platform/video/Clipper.h"

namespace platform {

namespace {

// Rows start on 16-byte boundaries, as a display driver's would.
int alignedPitch(int width) {
    return (std::max(width, 1) + 7) & ~7;
}

bool insideSurface(const Rect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

}  // namespace

Surface::Surface(int width, int height, PixelFormat format)
    : surfaceWidth(width),
      surfaceHeight(height),
      pitchPixels(alignedPitch(width)),
      pixelFormat(format),
      pixels(static_cast<std::size_t>(pitchPixels) * static_cast<std::size_t>(std::max(height, 0)),
             0),
      context(*this) {}

Surface::~Surface() {
    if (shownBy != nullptr) shownBy->surfaceGone(*this);
}

bool Surface::getSurfaceDesc(SurfaceDesc& out) const {
    if (backend().faultInjected(Fault::displaySurfaceDesc)) return false;
    out.width = static_cast<std::uint32_t>(surfaceWidth);
    out.height = static_cast<std::uint32_t>(surfaceHeight);
    out.pitch = pitchPixels * 2;
    out.pixelFormat = pixelFormat;
    return true;
}

bool Surface::getPixelFormat(PixelFormat& out) const {
    out = pixelFormat;
    return true;
}

Surface* Surface::getAttachedSurface() {
    if (backend().faultInjected(Fault::displayBackBuffer)) return nullptr;
    return attached.get();
}

void Surface::attachBackBuffer(std::unique_ptr<Surface> backBuffer) {
    attached = std::move(backBuffer);
}

bool Surface::setClipper(Clipper* newClipper) {
    if (backend().faultInjected(Fault::displayAttachClipper)) return false;
    clipper = newClipper;
    return true;
}

bool Surface::setColorKey(std::uint32_t low, std::uint32_t high) {
    if (backend().faultInjected(Fault::displayColorKey)) return false;
    keyed = true;
    keyLow = low;
    keyHigh = high < low ? low : high;
    touch();
    return true;
}

bool Surface::clipDestination(const Rect& destination, Rect& clipped) const {
    if (destination.empty()) return false;
    Rect bounds{0, 0, surfaceWidth, surfaceHeight};
    if (clipper == nullptr) {
        if (!insideSurface(destination, surfaceWidth, surfaceHeight)) return false;
        clipped = destination;
        return true;
    }
    if (!clipper->hasClipList()) return false;
    // The surface's own edges cut as well: a clip rectangle larger than the surface must
    // never let a blit write past its memory.
    Rect inClip;
    if (!intersectRect(inClip, destination, clipper->clipRect()) ||
        !intersectRect(clipped, inClip, bounds)) {
        clipped = Rect{};
    }
    return true;
}

bool Surface::colorFill(const Rect* destination, std::uint32_t value) {
    if (locked || contextOut) return false;
    Rect full = destination ? *destination : Rect{0, 0, surfaceWidth, surfaceHeight};
    Rect clipped;
    if (!clipDestination(full, clipped)) return false;
    if (clipped.empty()) return true;
    fillPixels(*this, clipped, static_cast<std::uint16_t>(value));
    touch();
    return true;
}

bool Surface::blit(const Rect* destination, Surface* source, const Rect* sourceRect,
                   bool sourceKey) {
    if (source == nullptr || locked || contextOut || source->locked || source->contextOut) {
        return false;
    }
    if (sourceKey && !source->keyed) return false;
    Rect full = destination ? *destination : Rect{0, 0, surfaceWidth, surfaceHeight};
    Rect from = sourceRect ? *sourceRect : Rect{0, 0, source->surfaceWidth, source->surfaceHeight};
    if (from.empty() || !insideSurface(from, source->surfaceWidth, source->surfaceHeight)) {
        return false;
    }
    Rect clipped;
    if (!clipDestination(full, clipped)) return false;
    if (clipped.empty()) return true;
    if (source == this) {
        // Reading and writing the same pixels: take the source part aside first.
        Surface copy(from.width(), from.height(), pixelFormat);
        for (int y = 0; y < from.height(); ++y) {
            std::copy_n(row(from.top + y) + from.left, from.width(), copy.row(y));
        }
        Rect whole{0, 0, from.width(), from.height()};
        blitPixels(*this, full, clipped, copy, copy.blitCache(), whole, sourceKey, keyLow, keyHigh);
    } else {
        blitPixels(*this, full, clipped, *source, source->blitCache(), from, sourceKey,
                   source->keyLow, source->keyHigh);
    }
    touch();
    return true;
}

BlitCache& Surface::blitCache() {
    if (!sourceCache) sourceCache = std::make_unique<BlitCache>();
    return *sourceCache;
}

bool Surface::lock(SurfaceDesc& out) {
    if (backend().faultInjected(Fault::displayLock)) return false;
    if (locked || contextOut) return false;
    locked = true;
    out.width = static_cast<std::uint32_t>(surfaceWidth);
    out.height = static_cast<std::uint32_t>(surfaceHeight);
    out.pitch = pitchPixels * 2;
    out.surface = pixels.data();
    out.pixelFormat = pixelFormat;
    return true;
}

bool Surface::unlock() {
    if (!locked) return false;
    locked = false;
    touch();
    return true;
}

DeviceContext* Surface::getDC() {
    if (backend().faultInjected(Fault::displayDc)) return nullptr;
    if (locked || contextOut) return nullptr;
    contextOut = true;
    return &context;
}

void Surface::releaseDC(DeviceContext* released) {
    if (released != &context || !contextOut) return;
    contextOut = false;
    touch();
}

bool Surface::flip() {
    if (backend().faultInjected(Fault::displayFlip)) return false;
    if (!attached || locked || attached->locked || contextOut || attached->contextOut) {
        return false;
    }
    std::swap(pixels, attached->pixels);
    touch();
    attached->touch();
    shownBy = &backend();
    shownBy->present(*this);
    return true;
}

void Surface::setPixel(int x, int y, std::uint16_t value) {
    row(y)[x] = value;
    touch();
}

}  // namespace platform
