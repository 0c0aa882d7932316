#pragma once

#include <string>
#include <string_view>

#include "player/Bullet.h"
#include "world/SharedSheet.h"

// What the two kinds of bullet share: one sheet per kind, loaded by its first bullet and
// released by its last, and the same drawing. Each instantiation has statics of its own.
template <typename Kind>
class BulletKind : public Bullet {
public:
    void draw() override { drawWith(bulletImage); }

    static inline Image* bulletImage = nullptr;
    static inline int bulletCount = 0;

protected:
    BulletKind(GameEngine* engine, Camera* camera, int kindLifetime, const std::string& file,
               std::string_view loadFailure, std::string_view keyFailure)
        : Bullet(engine, camera) {
        lifetime = kindLifetime;
        damage = 1;
        // A bullet without the sheet keeps its empty rectangle and is never drawn.
        holdsSheet = takeSheet(engine, bulletImage, bulletCount, file, loadFailure, keyFailure);
        if (holdsSheet) fitTo(*bulletImage);
    }
    ~BulletKind() override {
        if (holdsSheet) giveBackSheet(engine, bulletImage, bulletCount);
    }

private:
    bool holdsSheet = false;
};
