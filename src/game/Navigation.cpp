#include "engine/ControlCodes.h"
#include "game/Cursor.h"
#include "game/Game.h"
#include "graphics/Image.h"
#include "log/Log.h"

namespace {

// A hot area of the picture, the highlight cell it shows and where that is drawn.
struct Choice {
    platform::Rect cell;
    platform::Rect place;
};

// Hot areas 1, 2, 3 and 4, in that order.
constexpr platform::Rect hotAreas[4] = {
    {200, 230, 400, 280}, {460, 180, 660, 230}, {190, 300, 390, 350}, {460, 240, 660, 290}};
constexpr Choice choices[4] = {
    {{0, 0, 200, 200}, {100, 75, 300, 275}},
    {{200, 0, 400, 200}, {510, 20, 710, 220}},
    {{0, 200, 200, 400}, {120, 300, 320, 500}},
    {{200, 200, 400, 400}, {510, 260, 710, 460}},
};

// The left mouse button's code: the button is the last digit.
constexpr int leftButton = controlcode::mouseButtons;

}  // namespace

void Game::setupNavigation() {
    // What an earlier, failed attempt made goes before this one starts.
    releaseNavigation();
    navShip = loadImage("navscreen.bmp");
    if (navShip == nullptr) {
        logLine("ERROR: - unable to load navShip image");
        return;
    }
    if (!setColorKey(navShip, 0, 0, 0)) {
        logLine("ERROR: - unable to set navShip colorkey");
        return;
    }
    platform::setRect(navScreenArea, 0, 0, navShip->getWidth(), navShip->getHeight());
    cursor = std::make_unique<Cursor>(this, "cursor.bmp");
    selections = loadImage("selections.bmp");
    if (selections == nullptr) {
        logLine("ERROR: - unable to load selections image");
        return;
    }
    if (!setColorKey(selections, 0, 0, 0)) {
        logLine("ERROR: - unable to set selections colorkey");
        return;
    }
    hotArea1 = hotAreas[0];
    hotArea2 = hotAreas[1];
    hotArea3 = hotAreas[2];
    hotArea4 = hotAreas[3];
    phase = 1;
}

void Game::runNavigation() {
    cursor->update();
    drawImage(navShip, navScreenArea);
    const platform::Point p = cursor->getPosition();
    // Tested 1, 2, 4, 3; they do not overlap.
    const std::pair<const platform::Rect*, int> order[4] = {
        {&hotArea1, 0}, {&hotArea2, 1}, {&hotArea4, 3}, {&hotArea3, 2}};
    for (const auto& [area, choice] : order) {
        if (!platform::ptInRect(*area, p)) continue;
        const platform::Rect& cell = choices[choice].cell;
        selections->setRect(cell.left, cell.top, cell.right, cell.bottom);
        selectionArea = choices[choice].place;
        drawImage(selections, selectionArea);
        // Taken while the button is down, not on its release.
        if (getMouseButtonState(leftButton)) {
            nextMode = 1;
            phase = 2;
        }
        break;
    }
    cursor->draw();
    if (onePressed()) {
        nextMode = 1;
        phase = 2;
    }
}

void Game::endNavigation() {
    releaseNavigation();
    phase = 0;
    mode = nextMode;
}

void Game::releaseNavigation() {
    if (selections != nullptr) deleteImage(selections);
    selections = nullptr;
    cursor.reset();
    if (navShip != nullptr) deleteImage(navShip);
    navShip = nullptr;
}
