#include "world/Background.h"

#include "engine/GameEngine.h"
#include "platform/Random.h"
#include "world/Camera.h"

namespace {

// The stars live on the screen, which is the size of the camera's view.
constexpr int screenWidth = Camera::viewWidth;
constexpr int screenHeight = Camera::viewHeight;

// The layers' greys on the 0 to 31 scale, layer 1 the dimmest.
constexpr int layerGreys[Background::layers] = {10, 20, 31};

}  // namespace

Background::Background(GameEngine* engine, Camera* camera) : engine(engine), camera(camera) {
    // x before y, star by star, layer 1 first: the generator is never seeded, so this order
    // gives every run the same sky. A star may start up to two pixels off the top or left.
    for (platform::Point& star : stars) {
        star.x = platform::rand() % screenWidth - 2;
        star.y = platform::rand() % screenHeight - 2;
    }
}

void Background::update() {
    // Truncating toward zero: the stars move by the larger half of the camera's motion.
    const platform::Point v = camera->getVelocity();
    const int dx = v.x - v.x / depth;
    const int dy = v.y - v.y / depth;
    for (platform::Point& star : stars) {
        star.x -= dx;
        star.y -= dy;
        // One correction per axis and frame: a star thrown more than a screen away comes back
        // over the following frames.
        if (star.x >= screenWidth) {
            star.x -= screenWidth;
        } else if (star.x < 0) {
            star.x += screenWidth;
        }
        if (star.y >= screenHeight) {
            star.y -= screenHeight;
        } else if (star.y < 0) {
            star.y += screenHeight;
        }
    }
}

void Background::draw() {
    // A refused lock is logged by the engine, and the writes of the pass then find no address.
    engine->lockScreen();
    for (int layer = 0; layer < layers; ++layer) {
        const int grey = layerGreys[layer];
        engine->drawPixelArray(stars.data() + layer * starsPerLayer, starsPerLayer, grey, grey,
                               grey);
    }
    engine->unlockScreen();
}
