#pragma once

namespace platform {

// Turns the pointer's motion in screen pixels into game pixels of the picture scaled on the
// screen, keeping what is left over, so that slow motion adds up instead of being lost.
class MouseScale {
public:
    // Screen pixels per game pixel.
    void setScale(double screenPerGame) {
        if (screenPerGame > 0) scale = screenPerGame;
    }
    int x(int screenDx) { return step(restX, screenDx); }
    int y(int screenDy) { return step(restY, screenDy); }
    // Motion from before a capture does not count.
    void reset() { restX = restY = 0; }

private:
    int step(double& rest, int delta) {
        rest += delta;
        const int whole = static_cast<int>(rest / scale);
        rest -= whole * scale;
        return whole;
    }

    double scale = 1;
    double restX = 0;
    double restY = 0;
};

}  // namespace platform
