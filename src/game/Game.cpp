#include "game/Game.h"

#include "enemies/Explosion.h"
#include "enemies/Pod.h"
#include "game/Cursor.h"
#include "platform/input/KeyCodes.h"
#include "player/AlzBullet.h"
#include "player/Corvane.h"
#include "player/Pilot.h"
#include "player/VoskBullet.h"
#include "world/Background.h"
#include "world/BackgroundObject.h"
#include "world/Camera.h"

Game::Game(platform::Instance instance, platform::WindowHandle window, int width, int height)
    : GameEngine(instance, window, width, height) {}

Game::~Game() {
    // Both modes, whichever was entered, in whatever phase the program ends.
    endBattle();
    endNavigation();
}

void Game::gameWork() {
    if (mode == 1) {
        switch (phase) {
            case 0:
                setupBattle();
                break;
            case 1:
                runBattle();
                break;
            case 2:
                endBattle();
                break;
            default:
                break;
        }
    } else if (mode == 2) {
        switch (phase) {
            case 0:
                setupNavigation();
                break;
            case 1:
                runNavigation();
                break;
            case 2:
                endNavigation();
                break;
            default:
                break;
        }
    }
}

bool Game::onePressed() {
    const bool down = getKeyState(platform::DIK_1);
    const bool pressed = down && !oneHeld;
    oneHeld = down;
    return pressed;
}
