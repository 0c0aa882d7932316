#include "engine/GameEngine.h"
#include "graphics/Image.h"
#include "log/Log.h"
#include "player/Corvane.h"
#include "world/Camera.h"

namespace {

// Where a transformation stands: a frame position and a tick that moves it on every second call.
// Each pair is shared by every craft for the whole run (docs/QUIRKS.md).
struct Sequence {
    int position;
    int tick;
};

// The muzzle-flash frame's offset from the first of its mode: facing right straight, up, down,
// then facing left down, up, straight.
int flashOffset(int shootDirection, int facing) {
    if (facing == 1) return shootDirection == 1 ? 1 : shootDirection == 2 ? 2 : 0;
    return shootDirection == 2 ? 3 : shootDirection == 1 ? 4 : 5;
}

}  // namespace

void Corvane::draw() {
    if (!alive) return;
    if (fighterImage == nullptr || hovermechImage == nullptr || standmechImage == nullptr) {
        logLine("ERROR: do no have all of the mode images to draw");
        return;
    }
    // A transformation runs on whether or not the craft is seen.
    const int sprite = determineSprite();
    const int thrust = determineThrust();
    const int fire = determineFire();
    if (visible) drawSprite(sprite, thrust, fire);
}

int Corvane::determineSprite() {
    static Sequence forwardToHover{0, 1};  // states 3 and 4
    static Sequence backFromHover{4, 1};   // states 5 and 6
    static Sequence fighterToStand{0, 1};  // state 7
    static Sequence standToFighter{9, 1};  // state 8

    const int base = facing == 1 ? 0 : 6;
    int frame = 0;
    const auto advance = [](Sequence& s, int by) {
        if (s.tick % 2 == 0) s.position += by;
        ++s.tick;
    };
    switch (mode) {
        case fighterToHovermech:
        case hovermechToStandmech: {
            Sequence& s = forwardToHover;
            const int rowOffset = mode == fighterToHovermech ? 0 : 12;
            if (s.position < 5) {
                frame = rowOffset + base + s.position;
            } else {
                s = {0, 1};
                mode = mode == fighterToHovermech ? hovermech : standmech;
            }
            advance(s, 1);
            break;
        }
        case standmechToHovermech:
        case hovermechToFighter: {
            Sequence& s = backFromHover;
            const int rowOffset = mode == standmechToHovermech ? 12 : 0;
            if (s.position >= 0) {
                frame = rowOffset + base + s.position;
            } else {
                s = {4, 1};
                mode = mode == standmechToHovermech ? hovermech : fighter;
            }
            advance(s, -1);
            break;
        }
        case fighterToStandmech: {
            // Fighter to hovermech along row 0, then on to standmech along row 2.
            Sequence& s = fighterToStand;
            if (s.position >= 10) {
                s = {0, 1};
                mode = standmech;
            } else {
                frame = base + s.position + (s.position >= 5 ? 7 : 0);
            }
            advance(s, 1);
            break;
        }
        case standmechToFighter: {
            Sequence& s = standToFighter;
            if (s.position < 0) {
                s = {9, 1};
                mode = fighter;
            } else {
                frame = base + s.position + (s.position >= 5 ? 7 : 0);
            }
            advance(s, -1);
            break;
        }
        default:
            break;
    }

    if (mode == fighter) return facing == 1 ? 0 : 1;
    if (mode == standmech || mode == hovermech) {
        const int column = directionX == 1 ? 0 : directionX == 2 ? 2 : 1;
        return 6 * shootDirection + column + (facing == 1 ? 0 : 3);
    }
    return frame;
}

int Corvane::determineThrust() const {
    const bool right = facing == 1;
    const bool left = facing == 0;
    switch (mode) {
        case fighter:
            if (directionX == 1 && right && accelerating) return 2;
            if (directionX == 2 && left && accelerating) return 3;
            return 0;
        case hovermech:
            if (directionX == 1 && right && accelerating) return 18;
            if (directionX == 2 && left && accelerating) return 21;
            if (directionX == 2 && right) return 19;
            if (directionX == 1 && left) return 20;
            return 0;
        case standmech:
            // The standmech's jets fire whenever it steers, thrust or not.
            if (directionX != 0) return 6 + (left ? 3 : 0) + (directionX == 2 ? 2 : 0);
            if (directionY == 1) return 7 + (left ? 3 : 0);
            return 0;
        default:
            return 0;
    }
}

int Corvane::determineFire() const {
    if (!fireRequest) return 0;
    switch (mode) {
        case standmech:
            return 12 + flashOffset(shootDirection, facing);
        case hovermech:
            return 24 + flashOffset(shootDirection, facing);
        case fighter:
            return facing == 1 ? 4 : 5;
        default:
            return 0;
    }
}

void Corvane::drawSprite(int sprite, int thrust, int fire) {
    // Flames and flashes burn on every second drawn frame, under the body.
    static bool blink = false;
    const platform::Rect view = camera->getView();
    const platform::Rect destination{worldRect.left - view.left, worldRect.top - view.top,
                                     worldRect.right - view.left, worldRect.bottom - view.top};
    if (thrust != 0 && blink) {
        fighterImage->setBounds(sprites[thrust]);
        engine->drawImage(fighterImage, destination);
    }
    if (fire != 0 && blink) {
        fighterImage->setBounds(sprites[fire]);
        engine->drawImage(fighterImage, destination);
    }
    blink = !blink;

    Image* body = transImage;
    if (mode == fighter) body = fighterImage;
    if (mode == hovermech) body = hovermechImage;
    if (mode == standmech) body = standmechImage;
    // Without its sheet a transformation shows nothing until it ends.
    if (body == nullptr) return;
    body->setBounds(sprites[sprite]);
    engine->drawImage(body, destination);
}
