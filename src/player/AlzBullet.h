#pragma once

#include "player/BulletKind.h"

// The player's shot, short-lived.
class AlzBullet : public BulletKind<AlzBullet> {
public:
    AlzBullet(GameEngine* engine, Camera* camera)
        : BulletKind(engine, camera, 10, "alzbullet.bmp",
                     "ERROR: - unable to load alz bullet image",
                     "ERROR: - unable to set alz bullet colorkey") {}
};
