#pragma once

#include <memory>
#include <vector>

#include "engine/GameEngine.h"
#include "platform/Rect.h"

class AlzBullet;
class Background;
class BackgroundObject;
class Camera;
class Corvane;
class Cursor;
class Explosion;
class Image;
class Pilot;
class Pod;
class VoskBullet;

// The concrete game: a battle (mode 1) or the navigation screen (mode 2), each set up, run frame
// by frame and torn down (phases 0, 1 and 2). The game owns everything a mode creates.
class Game : public GameEngine {
public:
    Game(platform::Instance instance, platform::WindowHandle window, int width, int height);
    ~Game() override;

    void gameWork() override;

    // What a scripted run reports of each frame.
    int getMode() const { return mode; }
    int getPhase() const { return phase; }
    int getNextMode() const { return nextMode; }
    const Camera* getCamera() const { return camera.get(); }
    const Corvane* getPlayer() const { return player.get(); }
    const Cursor* getCursor() const { return cursor.get(); }
    const std::vector<std::unique_ptr<Pod>>& getPods() const { return pods; }
    const std::vector<std::unique_ptr<BackgroundObject>>& getBackgroundObjects() const {
        return backgroundObjects;
    }
    const std::vector<std::unique_ptr<AlzBullet>>& getPlayerBullets() const {
        return playerBullets;
    }
    const std::vector<std::unique_ptr<VoskBullet>>& getEnemyBullets() const { return enemyBullets; }
    const std::vector<std::unique_ptr<Explosion>>& getExplosions() const { return explosions; }

protected:
    // The battle (Battle.cpp).
    void setupBattle();
    void createCapitalShips();
    void runBattle();
    void updateBackgroundObjects();
    void endBattle();

    // Its combat (Combat.cpp).
    void createPods();
    void updateBullets();
    void updatePods();
    bool updateExplosions();
    void detectHits();
    void spawnExplosion(int x, int y, bool endsBattle);

    // The navigation screen (Navigation.cpp).
    void setupNavigation();
    void runNavigation();
    void endNavigation();
    // Releases the navigation screen's pictures and cursor.
    void releaseNavigation();

    // True on the frame the "1" key goes down: one press switches once, however long it is
    // held.
    bool onePressed();

    int mode = 1;
    int phase = 0;
    int nextMode = 0;
    bool oneHeld = false;

    std::unique_ptr<Cursor> cursor;
    std::unique_ptr<Camera> camera;
    std::unique_ptr<Background> background;
    std::unique_ptr<Pilot> pilot;
    std::unique_ptr<Corvane> player;
    std::vector<std::unique_ptr<Pod>> pods;
    std::vector<std::unique_ptr<BackgroundObject>> backgroundObjects;
    std::vector<std::unique_ptr<AlzBullet>> playerBullets;
    std::vector<std::unique_ptr<VoskBullet>> enemyBullets;
    std::vector<std::unique_ptr<Explosion>> explosions;

    platform::Rect navScreenArea;
    Image* navShip = nullptr;
    platform::Rect selectionArea;
    platform::Rect hotArea1;
    platform::Rect hotArea2;
    platform::Rect hotArea3;
    platform::Rect hotArea4;
    Image* selections = nullptr;
};
