#include "graphics/BitmapFunctions.h"

#include "graphics/BitmapFile.h"

std::unique_ptr<platform::Surface> DDLoadBitmap(platform::Display* dd, const std::string& name,
                                                int dx, int dy) {
    // The program carries no bitmap resources: every image comes from its file.
    if (dd == nullptr) return nullptr;
    std::unique_ptr<platform::Bitmap> bitmap = loadBitmapFile(name, dx, dy);
    if (!bitmap) return nullptr;
    std::unique_ptr<platform::Surface> surface =
        dd->createOffscreenSurface(bitmap->width, bitmap->height);
    if (!surface) return nullptr;
    DDCopyBitmap(surface.get(), bitmap.get(), 0, 0, 0, 0);
    return surface;
}

bool DDCopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap, int x, int y, int dx,
                  int dy) {
    if (surface == nullptr || bitmap == nullptr) return false;
    surface->restore();
    if (dx == 0) dx = bitmap->width;
    if (dy == 0) dy = bitmap->height;
    platform::SurfaceDesc desc;
    surface->getSurfaceDesc(desc);
    platform::DeviceContext* context = surface->getDC();
    if (context == nullptr) return false;
    context->stretchBlt(0, 0, static_cast<int>(desc.width), static_cast<int>(desc.height), *bitmap,
                        x, y, dx, dy);
    surface->releaseDC(context);
    return true;
}

bool DDSetColorKey(platform::Surface* surface, platform::ColorRef colour) {
    const std::uint32_t value = DDColorMatch(surface, colour);
    return surface->setColorKey(value, value);
}

std::uint32_t DDColorMatch(platform::Surface* surface, platform::ColorRef colour) {
    std::uint32_t result = platform::colorInvalid;
    platform::ColorRef saved = 0;
    bool wrote = false;
    // Let the drawing context write the colour into the top-left pixel and read back what the
    // surface made of it; the pixel is put back afterwards.
    if (platform::DeviceContext* context = surface->getDC()) {
        saved = context->getPixel(0, 0);
        context->setPixel(0, 0, colour);
        surface->releaseDC(context);
        wrote = true;
    }
    platform::SurfaceDesc desc;
    if (surface->lock(desc)) {
        const std::uint32_t bits = desc.pixelFormat.bitCount;
        std::uint32_t word = *static_cast<const std::uint16_t*>(desc.surface);
        if (bits < 32) word &= (1u << bits) - 1u;
        result = word;
        surface->unlock();
    }
    if (wrote) {
        if (platform::DeviceContext* context = surface->getDC()) {
            context->setPixel(0, 0, saved);
            surface->releaseDC(context);
        }
    }
    return result;
}
