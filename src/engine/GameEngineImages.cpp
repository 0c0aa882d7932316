#include "engine/GameEngine.h"
#include "graphics/BitmapFunctions.h"
#include "graphics/GraphicsEngine.h"
#include "graphics/Image.h"
#include "log/Log.h"

Image* GameEngine::loadImage(const std::string& fileName) {
    platform::Display* dd = graphics ? graphics->getDDObject() : nullptr;
    std::unique_ptr<platform::Surface> surface = DDLoadBitmap(dd, fileName, 0, 0);
    if (!surface) {
        logLine("ERROR: unable to load bitmap");
        return nullptr;
    }
    platform::SurfaceDesc desc;
    if (!surface->getSurfaceDesc(desc)) {
        // The surface goes with the failure rather than being left behind.
        logLine("ERROR: unable to get image surface descriptor");
        return nullptr;
    }
    return new Image(std::move(surface), static_cast<int>(desc.width),
                     static_cast<int>(desc.height));
}

bool GameEngine::setColorKey(Image* image, int red, int green, int blue) {
    if (image == nullptr) return false;
    if (!DDSetColorKey(image->getGraphic(), platform::makeColorRef(red, green, blue))) {
        logLine("ERROR: Unable to set colour key");
        return false;
    }
    return true;
}

void GameEngine::deleteImage(Image* image) {
    delete image;
}
