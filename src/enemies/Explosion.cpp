#include "enemies/Explosion.h"

#include "enemies/ExplosionFrames.h"
#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "log/Log.h"
#include "world/Camera.h"
#include "world/SharedSheet.h"

namespace {

// The large blast holds each frame longer; its sheet's ninth frame is never shown.
constexpr int type1Delay = 2;
constexpr int type1Frames = 8;
constexpr int type2Delay = 1;
constexpr int type2Frames = 14;

platform::Rect onScreen(const platform::Rect& r, const platform::Rect& view) {
    return {r.left - view.left, r.top - view.top, r.right - view.left, r.bottom - view.top};
}

}  // namespace

Explosion::Explosion(GameEngine* engine, Camera* camera) : GameObject(engine, camera, 0, 0) {
    if (explosionCount < 1 && !loadSheets()) return;
    placeRects();
    ++explosionCount;
    holdsSheets = true;
}

Explosion::~Explosion() {
    if (!holdsSheets || --explosionCount > 0) return;
    engine->deleteImage(explode1Frames);
    explode1Frames = nullptr;
    engine->deleteImage(explode2Frames);
    explode2Frames = nullptr;
}

bool Explosion::loadSheets() {
    explode1Frames =
        loadSheet(engine, "explosion1.bmp", "ERROR: - unable to load explode1Frames image",
                  "ERROR: - unable to set explode1Frames colorkey");
    if (explode1Frames == nullptr) return false;
    // The second sheet's load failure has always been reported with the first one's line.
    explode2Frames =
        loadSheet(engine, "explosion2.bmp", "ERROR: - unable to load explode1Frames image",
                  "ERROR: - unable to set explode2Frames colorkey");
    if (explode2Frames == nullptr) {
        // Nobody holds the first sheet now; the next explosion starts clean.
        engine->deleteImage(explode1Frames);
        explode1Frames = nullptr;
        return false;
    }
    for (int i = 0; i < explosion1Grid.count(); ++i) sprites1[i] = explosion1Grid.frame(i);
    for (int i = 0; i < explosion2Grid.count(); ++i) sprites2[i] = explosion2Grid.frame(i);
    return true;
}

void Explosion::placeRects() {
    platform::setRect(worldRect, x, y, x + explosion1Grid.drawWidth, y + explosion1Grid.drawHeight);
    platform::setRect(smallRect, x, y, x + explosion2Grid.drawWidth, y + explosion2Grid.drawHeight);
}

void Explosion::setExplosionType(int newType) {
    type = newType == 1 ? 1 : 2;
    frameDelay = type == 1 ? type1Delay : type2Delay;
    frameCount = type == 1 ? type1Frames : type2Frames;
}

void Explosion::update() {
    if (!active) return;
    if (tick >= frameDelay) {
        ++frame;
        tick = 0;
    } else {
        ++tick;
    }
    // Follows setLocation, which moves only the world rectangle.
    placeRects();
    if (frame >= frameCount) {
        frame = 0;
        active = false;
    }
}

void Explosion::draw() {
    if (!active) return;
    if (explode1Frames == nullptr || explode2Frames == nullptr) {
        logLine("ERROR: do no have image of the explodeFrames loaded");
        return;
    }
    const platform::Rect view = camera->getView();
    if (type == 1 && camera->isVisible(worldRect)) {
        explode1Frames->setBounds(sprites1[frame]);
        engine->drawImage(explode1Frames, onScreen(worldRect, view));
    } else if (type == 2 && camera->isVisible(smallRect)) {
        explode2Frames->setBounds(sprites2[frame]);
        engine->drawImage(explode2Frames, onScreen(smallRect, view));
    }
}
