#pragma once

#include <string_view>

#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "world/BackgroundObject.h"
#include "world/Camera.h"
#include "world/SharedSheet.h"

// A capital ship: one image the size of the ship, shared by every ship of its class, drifting
// behind the fighting at depth 3. Each ship class derives from its own CapitalShip<Ship>, which
// gives it its own shipImage and shipCount.
template <class Ship>
class CapitalShip : public BackgroundObject {
public:
    ~CapitalShip() override;

    void draw() override;

    // Class-wide: the shared image, loaded by the first ship and deleted with the last, and how
    // many ships hold it.
    static inline Image* shipImage = nullptr;
    static inline int shipCount = 0;

protected:
    // The ship class names its image and the lines it logs when that image cannot be loaded or
    // keyed.
    CapitalShip(GameEngine* engine, Camera* camera, int x, int y, const char* file,
                std::string_view loadFailure, std::string_view keyFailure);

private:
    // A ship whose image failed holds none, so it must not give one back.
    bool holdsImage = false;
};

template <class Ship>
CapitalShip<Ship>::CapitalShip(GameEngine* engine, Camera* camera, int x, int y, const char* file,
                               std::string_view loadFailure, std::string_view keyFailure)
    : BackgroundObject(engine, camera, x, y) {
    depth = 3;
    // Without its image the ship keeps an empty rectangle: it never moves and never shows.
    holdsImage = takeSheet(engine, shipImage, shipCount, file, loadFailure, keyFailure);
    if (!holdsImage) return;
    width = shipImage->getWidth();
    height = shipImage->getHeight();
    platform::setRect(worldRect, x, y, x + width, y + height);
}

template <class Ship>
CapitalShip<Ship>::~CapitalShip() {
    // The next ship of the class, in the next battle, loads the image anew.
    if (holdsImage) giveBackSheet(engine, shipImage, shipCount);
}

template <class Ship>
void CapitalShip<Ship>::draw() {
    if (!visible || !camera->isVisible(worldRect)) return;
    const platform::Rect view = camera->getView();
    engine->drawImage(shipImage, {worldRect.left - view.left, worldRect.top - view.top,
                                  worldRect.right - view.left, worldRect.bottom - view.top});
}
