#pragma once

#include <string>

#include "enemies/Pod.h"
#include "log/Log.h"
#include "world/SharedSheet.h"

// What the two kinds of pod share: the order of an update, the way a frame is drawn and the hold
// on the kind's sheet. Kind brings its manoeuvres and sprites and names its class-wide sheet and
// count through sheet() and holders().
template <typename Kind>
class PodKind : public Pod {
public:
    void update() override {
        if (!alive) return;
        kind().artificialIntelligence();
        updateVelocity();
        updateLocation();
        updateWeapons();
    }

    void draw() override {
        if (!alive) return;
        Image* sheet = Kind::sheet();
        if (sheet == nullptr) {
            logLine("ERROR: do no have image of the pod loaded");
            return;
        }
        // The animation runs on every drawn frame, seen or not.
        const int sprite = kind().determineSprite();
        const int thrust = kind().determineThrust();
        if (visible) drawSprite(sheet, kind().sprites, sprite, thrust);
    }

    ~PodKind() override {
        if (holdsSheet) giveBackSheet(engine, Kind::sheet(), Kind::holders());
    }

protected:
    PodKind(GameEngine* engine, Camera* camera, int x, int y, const std::string& file)
        : Pod(engine, camera, x, y),
          holdsSheet(takeSheet(engine, Kind::sheet(), Kind::holders(), file,
                               "ERROR: - unable to load pod image",
                               "ERROR: - unable to set pod colorkey")) {}

    // A craft without its sheet keeps an empty rectangle and hit box: it is never in the active
    // area, drawn or hit.
    const bool holdsSheet;

private:
    Kind& kind() { return static_cast<Kind&>(*this); }
};
