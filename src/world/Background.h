#pragma once

#include <array>

#include "platform/Rect.h"

class Camera;
class GameEngine;

// The star field behind the battle: three layers of single-pixel stars kept in screen
// coordinates. They scroll by part of the camera's motion and wrap around the screen's edges;
// the layers move alike and differ only in brightness.
class Background {
public:
    static constexpr int layers = 3;
    static constexpr int starsPerLayer = 100;
    static constexpr int starCount = layers * starsPerLayer;

    Background(GameEngine* engine, Camera* camera);
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    void update();
    // Plots every star on the back buffer in one pass of direct pixel writes.
    void draw();

    // Layer 1 first, then layers 2 and 3.
    const std::array<platform::Point, starCount>& getStars() const { return stars; }

private:
    GameEngine* engine;
    Camera* camera;
    std::array<platform::Point, starCount> stars;
    // The parallax divisor; nothing changes it.
    int depth = 2;
};
