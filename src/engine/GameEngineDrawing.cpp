#include "engine/DrawObserver.h"
#include "engine/GameEngine.h"
#include "graphics/GraphicsEngine.h"
#include "graphics/Image.h"
#include "log/Log.h"

void GameEngine::drawImage(Image* image, platform::Rect destination) {
    platform::Surface* backbuffer = graphics ? graphics->getBackbuffer() : nullptr;
    if (backbuffer == nullptr) {
        logLine("ERROR: no backbuffer");
        return;
    }
    if (image == nullptr) return;
    const platform::Rect source = image->getBounds();
    if (drawObserver != nullptr) drawObserver->imageDrawn(image->getGraphic(), source, destination);
    backbuffer->blit(&destination, image->getGraphic(), &source, true);
}

bool GameEngine::lockScreen() {
    platform::SurfaceDesc* desc = graphics ? graphics->getSurfaceStruct() : nullptr;
    platform::Surface* backbuffer = graphics ? graphics->getBackbuffer() : nullptr;
    if (desc != nullptr) *desc = platform::SurfaceDesc{};
    if (backbuffer == nullptr || desc == nullptr || !backbuffer->lock(*desc)) {
        logLine("ERROR: unable to lock back buffer");
        return false;
    }
    return true;
}

void GameEngine::unlockScreen() {
    platform::Surface* backbuffer = graphics ? graphics->getBackbuffer() : nullptr;
    if (backbuffer == nullptr) return;
    backbuffer->unlock();
    // Pixel writes after the unlock find no address and do nothing.
    graphics->getSurfaceStruct()->surface = nullptr;
}

void GameEngine::drawPixelArray(const platform::Point* points, int count, int red, int green,
                                int blue) {
    if (!graphics || points == nullptr) return;
    const platform::SurfaceDesc* desc = graphics->getSurfaceStruct();
    auto* base = static_cast<std::uint16_t*>(desc->surface);
    if (base == nullptr) return;
    const std::ptrdiff_t pitch = desc->pitch >> 1;
    const int format = graphics->getPixelFormat() == 555 ? 555 : 565;
    const std::uint16_t value = GraphicsEngine::packColor(format, red, green, blue);
    if (drawObserver != nullptr) drawObserver->pointsDrawn(points, count, value);
    const auto width = static_cast<std::uint32_t>(desc->width);
    const auto height = static_cast<std::uint32_t>(desc->height);
    for (int i = 0; i < count; ++i) {
        const platform::Point p = points[i];
        // One unsigned comparison per axis also turns away negative coordinates.
        if (static_cast<std::uint32_t>(p.x) >= width || static_cast<std::uint32_t>(p.y) >= height) {
            continue;
        }
        base[p.y * pitch + p.x] = value;
    }
}

void GameEngine::drawPixel(int x, int y, int red, int green, int blue) {
    platform::Surface* backbuffer = graphics ? graphics->getBackbuffer() : nullptr;
    if (backbuffer == nullptr) return;
    const int format = graphics->getPixelFormat();
    const std::uint32_t value =
        (format == 565 || format == 555) ? GraphicsEngine::packColor(format, red, green, blue) : 0;
    const platform::Rect pixel{x, y, x + 1, y + 1};
    backbuffer->colorFill(&pixel, value);
}

void GameEngine::drawText(const std::string& text, int x, int y, int red, int green, int blue) {
    platform::Surface* backbuffer = graphics ? graphics->getBackbuffer() : nullptr;
    platform::DeviceContext* context = backbuffer ? backbuffer->getDC() : nullptr;
    if (context == nullptr) {
        logLine("Unable to get Label device context");
        return;
    }
    context->setTextColor(platform::makeColorRef(red, green, blue));
    context->setTransparentBackground(true);
    context->textOut(x, y, text);
    backbuffer->releaseDC(context);
}
