#include "platform/win32/DirectDrawScreen.h"

#include <cstring>

#include "platform/video/Surface.h"
#include "platform/video/WidenPixels.h"
#include "platform/win32/Letterbox.h"

namespace platform {

namespace {

template <class T>
void release(T*& object) {
    if (object != nullptr) object->Release();
    object = nullptr;
}

}  // namespace

DirectDrawScreen::~DirectDrawScreen() {
    close();
}

bool DirectDrawScreen::open() {
    if (directDraw != nullptr) return true;
    return SUCCEEDED(DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directDraw),
                                        IID_IDirectDraw7, nullptr));
}

void DirectDrawScreen::close() {
    releaseSurfaces();
    release(directDraw);
    window = nullptr;
    width = height = 0;
}

bool DirectDrawScreen::takeOver(HWND target) {
    if (directDraw == nullptr || target == nullptr) return false;
    if (FAILED(directDraw->SetCooperativeLevel(target, DDSCL_NORMAL))) return false;
    window = target;
    return true;
}

bool DirectDrawScreen::setMode(int frameWidth, int frameHeight) {
    if (window == nullptr || frameWidth <= 0 || frameHeight <= 0) return false;
    width = frameWidth;
    height = frameHeight;
    releaseSurfaces();
    return makeSurfaces();
}

bool DirectDrawScreen::makeSurfaces() {
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    if (FAILED(directDraw->CreateSurface(&desc, &primary, nullptr))) return false;
    DDPIXELFORMAT format{};
    format.dwSize = sizeof format;
    if (FAILED(primary->GetPixelFormat(&format)) || (format.dwFlags & DDPF_RGB) == 0) {
        releaseSurfaces();
        return false;
    }
    // Anything but these two would need DirectDraw to convert, which Windows does not.
    const bool rgb888 = format.dwRGBBitCount == 32 && format.dwRBitMask == 0xFF0000 &&
                        format.dwGBitMask == 0xFF00 && format.dwBBitMask == 0xFF;
    const bool rgb565 = format.dwRGBBitCount == 16 && format.dwRBitMask == 0xF800 &&
                        format.dwGBitMask == 0x07E0 && format.dwBBitMask == 0x001F;
    if (!rgb888 && !rgb565) {
        releaseSurfaces();
        return false;
    }
    wide = rgb888;
    if (FAILED(directDraw->CreateClipper(0, &clipper, nullptr)) ||
        FAILED(clipper->SetHWnd(0, window)) || FAILED(primary->SetClipper(clipper))) {
        releaseSurfaces();
        return false;
    }
    DDSURFACEDESC2 picture{};
    picture.dwSize = sizeof picture;
    picture.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    picture.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    picture.dwWidth = static_cast<DWORD>(width);
    picture.dwHeight = static_cast<DWORD>(height);
    picture.ddpfPixelFormat = format;
    if (FAILED(directDraw->CreateSurface(&picture, &offscreen, nullptr))) {
        releaseSurfaces();
        return false;
    }
    return true;
}

void DirectDrawScreen::releaseSurfaces() {
    release(offscreen);
    if (primary != nullptr) primary->SetClipper(nullptr);
    release(clipper);
    release(primary);
}

HRESULT DirectDrawScreen::copyIn(const Surface& frame) {
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    const HRESULT locked =
        offscreen->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_WRITEONLY | DDLOCK_NOSYSLOCK, nullptr);
    if (FAILED(locked)) return locked;
    auto* to = static_cast<unsigned char*>(desc.lpSurface);
    const int rows = frame.height() < height ? frame.height() : height;
    const int columns = frame.width() < width ? frame.width() : width;
    for (int y = 0; y < rows; ++y, to += desc.lPitch) {
        if (wide) {
            widen565(frame.row(y), reinterpret_cast<std::uint32_t*>(to),
                     static_cast<std::size_t>(columns));
        } else {
            std::memcpy(to, frame.row(y), static_cast<std::size_t>(columns) * 2);
        }
    }
    return offscreen->Unlock(nullptr);
}

void DirectDrawScreen::fillBars(const RECT& client, const RECT& picture) {
    DDBLTFX black{};
    black.dwSize = sizeof black;
    black.dwFillColor = 0;
    const RECT bars[] = {
        {client.left, client.top, client.right, picture.top},
        {client.left, picture.bottom, client.right, client.bottom},
        {client.left, picture.top, picture.left, picture.bottom},
        {picture.right, picture.top, client.right, picture.bottom},
    };
    for (RECT bar : bars) {
        if (bar.right > bar.left && bar.bottom > bar.top) {
            primary->Blt(&bar, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &black);
        }
    }
}

void DirectDrawScreen::show(const Surface& frame, bool saidLost) {
    if (window == nullptr || width == 0) return;
    RECT client{};
    GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // Surfaces are made again rather than restored: the display's format may have changed
    // with whatever took it, and each frame is drawn whole anyway.
    const bool missing = offscreen == nullptr;
    HRESULT result = missing || saidLost ? DDERR_SURFACELOST : copyIn(frame);
    if (result == DDERR_SURFACELOST) {
        releaseSurfaces();
        if (!makeSurfaces()) return;
        ++remakes;
        result = copyIn(frame);
    }
    if (FAILED(result)) return;

    const Rect fit = letterbox(client.right, client.bottom, width, height);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT area{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    const RECT picture{origin.x + fit.left, origin.y + fit.top, origin.x + fit.right,
                       origin.y + fit.bottom};
    fillBars(area, picture);
    if (primary->Blt(const_cast<RECT*>(&picture), offscreen, nullptr, DDBLT_WAIT, nullptr) ==
        DDERR_SURFACELOST) {
        // Made again on the next frame.
        releaseSurfaces();
    }
    lastScale = static_cast<double>(fit.width()) / width;
}

}  // namespace platform
