#pragma once

#include "platform/Rect.h"
#include "world/GameObject.h"

class Image;

// A frame-animated blast from a pool: placed where a craft died, it plays its frames once and
// goes back to the pool. Type 1 is the large sheet, type 2 the small one; all explosions share
// both sheets and their frame tables.
class Explosion : public GameObject {
public:
    Explosion(GameEngine* engine, Camera* camera);
    ~Explosion() override;

    void update() override;
    void draw() override;

    // 1 selects the large blast; anything else the small one. The frame in progress is kept.
    void setExplosionType(int newType);
    void setActive(bool isActive) { active = isActive; }
    bool isActive() const { return active; }
    // Marks the player's explosion, whose end ends the battle.
    void setEndsBattle(bool ends) { endsBattle = ends; }
    bool getEndsBattle() const { return endsBattle; }
    int getFrame() const { return frame; }

    static inline Image* explode1Frames = nullptr;
    static inline Image* explode2Frames = nullptr;
    static inline platform::Rect sprites1[9];
    static inline platform::Rect sprites2[14];
    static inline int explosionCount = 0;

private:
    // Loads and keys both sheets and builds the tables; on failure nothing stays loaded.
    bool loadSheets();
    void placeRects();

    int frame = 0;
    // Extra updates each frame is held for.
    int frameDelay = 2;
    int tick = 0;
    bool active = false;
    // Where type 2 draws; type 1 draws into the world rectangle.
    platform::Rect smallRect;
    int type = 1;
    int frameCount = 8;
    bool endsBattle = false;
    // Only explosions whose construction took the sheets give them back.
    bool holdsSheets = false;
};
